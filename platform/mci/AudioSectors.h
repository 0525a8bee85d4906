#pragma once
// Where a disc's audio comes from when it is played digitally: its audio sectors, read in order.
#include <cstdint>

namespace platform::mci {

// A disc holds 75 sectors a second (the frames of an MSF position); an audio sector holds 588
// stereo frames of 16-bit samples.
constexpr int kSectorsPerSecond = 75;
constexpr int kSamplesPerSector = 588 * 2;
constexpr int kSectorBytes = kSamplesPerSector * static_cast<int>(sizeof(std::int16_t));  // 2,352

class AudioSectorReader {
  public:
    virtual ~AudioSectorReader() = default;
    // Reads count sectors from sector first on (0 is where track 1 begins) into samples
    // (count * kSamplesPerSector values, left then right, native byte order). False on a read
    // error or past the end of the disc.
    virtual bool Read(std::int32_t first, std::int32_t count, std::int16_t* samples) = 0;
};

}  // namespace platform::mci
