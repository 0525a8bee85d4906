#pragma once
// Reads an audio file as the capture engine would deliver it: mono 8-bit unsigned or 16-bit signed
// little-endian PCM. Mono 8-bit unsigned files are read byte for byte and mono 16-bit ones keep
// their values; anything else the platform's file functions read (PcmFile.h) is converted to
// 16-bit mono, the channels averaged. Memory stays bounded whatever the header claims: frames are
// read a few at a time.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/velorin-beats/PcmFile.h"

class PcmReader {
  public:
    // Empty, with a one-line reason in error, when the file cannot be read.
    static std::optional<PcmReader> Open(const std::string& path, std::string& error);

    // Why the estimator cannot run on the file (no audio, a rate outside 1 to 1,000,000 Hz).
    std::optional<std::string> Unusable() const;

    std::int32_t BytesPerSample() const { return bytesPerSample_; }
    int SampleRate() const { return sampleRate_; }
    std::int64_t Frames() const { return frames_; }
    // Frames the header promises after the ones read or skipped so far.
    std::int64_t FramesLeft() const { return frames_ - position_; }
    // Fills block with up to block.size() bytes (whole samples); returns how many it filled.
    std::size_t Read(std::vector<std::uint8_t>& block);
    // Passes over frames without converting them; false when the file ended first.
    bool Skip(std::int64_t frames);

  private:
    enum class Layout { Unsigned8, Signed16 };
    struct Closer {
        void operator()(PcmFile* file) const { ClosePcmFile(file); }
    };

    PcmReader(PcmFile* file, Layout layout, int channels, int sampleRate, std::int64_t frames);
    std::size_t ReadSigned16(std::uint8_t* out, std::size_t frames);
    std::int64_t ReadFrames(std::int64_t frames);

    std::unique_ptr<PcmFile, Closer> file_;
    Layout layout_;
    int channels_;
    int sampleRate_;
    std::int64_t frames_;
    std::int64_t position_ = 0;
    std::int32_t bytesPerSample_;
    std::vector<short> frameBuffer_;  // interleaved frames of one library read, bounded in size
};
