#pragma once
// A virtual disc in a fresh temporary folder, removed with the object.
#include <filesystem>
#include <initializer_list>

namespace testing_support {

class TempDisc {
  public:
    // One drum track per length (seconds); loudness is the peak of a beat.
    explicit TempDisc(std::initializer_list<double> trackSeconds, float loudness = 0.5f);
    ~TempDisc();
    TempDisc(const TempDisc&) = delete;
    TempDisc& operator=(const TempDisc&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
};

}  // namespace testing_support
