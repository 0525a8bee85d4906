#pragma once
// The virtual drive's transport: which tracks of which folder play, decoded on demand as the
// virtual loopback capture reads them from the line input. One per process, like the drive it
// stands for.
#include <sndfile.h>

#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace platform::mci::virtualdisc {

class DiscPlayer {
  public:
    static DiscPlayer& Instance();

    // Connects the drive to the sound card's line input and plays from the start of firstTrack up
    // to the start of endTrack (exclusive; past the last track: to the end of the disc). False, and
    // silence, when firstTrack cannot be opened.
    bool Play(const std::filesystem::path& folder, int firstTrack, int endTrack);
    void Stop();
    void Read(std::span<float> mono, int sampleRate);

  private:
    struct FileCloser {
        void operator()(SNDFILE* file) const { sf_close(file); }
    };

    bool OpenTrack(int track);
    bool Refill();
    float NextSample(double step);

    std::mutex lock_;  // Play and Stop run on the UI thread, Read on the loopback's thread
    std::filesystem::path folder_;
    std::unique_ptr<SNDFILE, FileCloser> file_;
    int track_ = 0;
    int endTrack_ = 0;
    int channels_ = 1;
    int fileRate_ = 44100;
    std::vector<float> interleaved_;  // one decoded chunk of the track, all channels
    std::vector<float> window_;       // the same chunk mixed down to mono
    double cursor_ = 0.0;             // read position in window_, in file samples
};

}  // namespace platform::mci::virtualdisc
