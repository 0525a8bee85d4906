#include "tools/velorin-beats/PcmReader.h"

#include <algorithm>

namespace {

// Values one library read may bring, whatever the channel count: the reader's memory limit.
constexpr std::size_t kMaxBufferedValues = 1 << 16;
constexpr int kMinSampleRate = 1;
constexpr int kMaxSampleRate = 1'000'000;

void PutLittleEndian(short sample, std::uint8_t* out) {
    const auto bits = static_cast<std::uint16_t>(sample);
    out[0] = static_cast<std::uint8_t>(bits & 0xFF);
    out[1] = static_cast<std::uint8_t>(bits >> 8);
}

// Channels = 0: any count, given at run time; 1 or 2 let the compiler divide by a constant.
template <int Channels>
void AverageFrames(const short* values, std::int64_t frames, int channels, std::uint8_t* out) {
    const int count = Channels == 0 ? channels : Channels;
    for (std::int64_t frame = 0; frame < frames; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < count; ++channel) {
            sum += *values++;
        }
        PutLittleEndian(static_cast<short>(sum / count), out + 2 * frame);
    }
}

}  // namespace

std::optional<PcmReader> PcmReader::Open(const std::string& path, std::string& error) {
    PcmFileInfo info;
    PcmFile* const file = OpenPcmFile(path, info, error);
    if (file == nullptr) {
        return std::nullopt;
    }
    const Layout layout = info.unsigned8 ? Layout::Unsigned8 : Layout::Signed16;
    return PcmReader(file, layout, info.channels, info.sampleRate, info.frames);
}

std::optional<std::string> PcmReader::Unusable() const {
    if (sampleRate_ < kMinSampleRate || sampleRate_ > kMaxSampleRate) {
        return "sample rate " + std::to_string(sampleRate_) + " Hz is outside " +
               std::to_string(kMinSampleRate) + " to " + std::to_string(kMaxSampleRate) + " Hz";
    }
    if (frames_ <= 0) {
        return std::string("no audio");
    }
    return std::nullopt;
}

PcmReader::PcmReader(PcmFile* file, Layout layout, int channels, int sampleRate,
                     std::int64_t frames)
    : file_(file),
      layout_(layout),
      channels_(std::max(channels, 1)),
      sampleRate_(sampleRate),
      frames_(frames),
      bytesPerSample_(layout == Layout::Unsigned8 ? 1 : 2),
      frameBuffer_(std::max(kMaxBufferedValues / channels_ * channels_, std::size_t(channels_))) {}

std::size_t PcmReader::Read(std::vector<std::uint8_t>& block) {
    if (layout_ == Layout::Unsigned8) {
        const std::int64_t got = std::max<std::int64_t>(
            ReadPcmBytes(file_.get(), block.data(), static_cast<std::int64_t>(block.size())), 0);
        position_ += got;
        return static_cast<std::size_t>(got);
    }
    std::size_t filled = 0;
    const std::size_t wanted = block.size() / 2;
    while (filled < wanted) {
        const std::size_t got = ReadSigned16(block.data() + 2 * filled, wanted - filled);
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return 2 * filled;
}

// The file delivers 16-bit values (a mono 16-bit file's own); channels are averaged with integer
// division, the mean truncated toward zero.
std::size_t PcmReader::ReadSigned16(std::uint8_t* out, std::size_t frames) {
    const auto wanted = static_cast<std::int64_t>(
        std::min(frames, frameBuffer_.size() / static_cast<std::size_t>(channels_)));
    const std::int64_t got =
        std::max<std::int64_t>(ReadPcmFrames(file_.get(), frameBuffer_.data(), wanted), 0);
    if (channels_ == 2) {
        AverageFrames<2>(frameBuffer_.data(), got, 2, out);
    } else if (channels_ == 1) {
        AverageFrames<1>(frameBuffer_.data(), got, 1, out);
    } else {
        AverageFrames<0>(frameBuffer_.data(), got, channels_, out);
    }
    position_ += got;
    return static_cast<std::size_t>(got);
}

bool PcmReader::Skip(std::int64_t frames) {
    if (frames <= 0) {
        return true;
    }
    if (frames <= FramesLeft() && SkipPcmFrames(file_.get(), frames)) {
        position_ += frames;
        return true;
    }
    return ReadFrames(frames) == frames;
}

// Reads and drops frames where the file cannot seek; returns how many there were.
std::int64_t PcmReader::ReadFrames(std::int64_t frames) {
    std::int64_t done = 0;
    const auto step = static_cast<std::int64_t>(frameBuffer_.size() / std::size_t(channels_));
    while (done < frames) {
        const std::int64_t got =
            ReadPcmFrames(file_.get(), frameBuffer_.data(), std::min(step, frames - done));
        if (got <= 0) {
            break;
        }
        done += got;
    }
    position_ += done;
    return done;
}
