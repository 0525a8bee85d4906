#include "tools/velorin-beats/PcmReader.h"

#include <sndfile.h>

namespace {

void PutLittleEndian(short sample, std::uint8_t* out) {
    const auto bits = static_cast<std::uint16_t>(sample);
    out[0] = static_cast<std::uint8_t>(bits & 0xFF);
    out[1] = static_cast<std::uint8_t>(bits >> 8);
}

}  // namespace

void PcmReader::Closer::operator()(sf_private_tag* file) const {
    sf_close(file);
}

std::optional<PcmReader> PcmReader::Open(const std::string& path, std::string& error) {
    SF_INFO info{};
    SNDFILE* const file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        error = path + ": " + sf_strerror(nullptr);
        return std::nullopt;
    }
    const bool unsigned8 =
        info.channels == 1 && (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_U8;
    const Layout layout = unsigned8 ? Layout::Unsigned8 : Layout::Signed16;
    // Floating-point files are scaled to the 16-bit range rather than rounded as they are.
    sf_command(file, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    return PcmReader(file, layout, info.channels, info.samplerate, info.frames);
}

PcmReader::PcmReader(sf_private_tag* file, Layout layout, int channels, int sampleRate,
                     std::int64_t frames)
    : file_(file),
      layout_(layout),
      channels_(channels),
      sampleRate_(sampleRate),
      frames_(frames),
      bytesPerSample_(layout == Layout::Unsigned8 ? 1 : 2) {}

std::size_t PcmReader::Read(std::vector<std::uint8_t>& block) {
    if (layout_ == Layout::Unsigned8) {
        return static_cast<std::size_t>(sf_read_raw(file_.get(), block.data(), block.size()));
    }
    return ReadSigned16(block);
}

// The library delivers 16-bit values (a mono 16-bit file's own); channels are averaged with
// integer division, the mean truncated toward zero.
std::size_t PcmReader::ReadSigned16(std::vector<std::uint8_t>& block) {
    const sf_count_t wanted = static_cast<sf_count_t>(block.size() / 2);
    frameBuffer_.resize(static_cast<std::size_t>(wanted) * channels_);
    const sf_count_t got = sf_readf_short(file_.get(), frameBuffer_.data(), wanted);
    for (sf_count_t frame = 0; frame < got; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < channels_; ++channel) {
            sum += frameBuffer_[frame * channels_ + channel];
        }
        PutLittleEndian(static_cast<short>(sum / channels_), block.data() + 2 * frame);
    }
    return static_cast<std::size_t>(got) * 2;
}
