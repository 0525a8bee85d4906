#pragma once
// A CD image (CUE/BIN of our drum tracks) in a fresh temporary folder, removed with the object.
#include <filesystem>
#include <initializer_list>

namespace testing_support {

struct DiscTrack {
    DiscTrack(double trackSeconds, bool dataTrack = false)
        : seconds(trackSeconds), data(dataTrack) {}
    double seconds;
    bool data;  // a data track of blank sectors instead of music
};

class TempDisc {
  public:
    // One track per entry; loudness is the peak of a beat.
    explicit TempDisc(std::initializer_list<DiscTrack> tracks, float loudness = 0.5f);
    ~TempDisc();
    TempDisc(const TempDisc&) = delete;
    TempDisc& operator=(const TempDisc&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    // The CUE sheet, what VELORIN_CD names; its BIN lies beside it.
    std::filesystem::path image() const { return folder_ / "disc.cue"; }

  private:
    std::filesystem::path folder_;
};

}  // namespace testing_support
