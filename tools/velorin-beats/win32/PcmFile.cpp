#include "tools/velorin-beats/PcmFile.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr WORD kFormatExtensible = 0xFFFE;
constexpr std::int64_t kMaxChannels = 1024;

// The header's fields as stored (PCMWAVEFORMAT).
struct Format {
    WORD tag = 0;
    WORD channels = 0;
    DWORD sampleRate = 0;
    DWORD bytesPerSecond = 0;
    WORD blockAlign = 0;
    WORD bitsPerSample = 0;
};

// An extensible header names its real format in the first two bytes of its sub-format.
bool IsPcm(HMMIO file, const Format& format, LONG formatSize) {
    if (format.tag == WAVE_FORMAT_PCM) {
        return true;
    }
    WORD subFormat = 0;
    constexpr LONG kSubFormatAt = 24;
    return format.tag == kFormatExtensible && formatSize >= kSubFormatAt + 2 &&
           ::mmioRead(file, reinterpret_cast<HPSTR>(&subFormat), 2) == 2 &&
           subFormat == WAVE_FORMAT_PCM;
}

// The reason a WAVE file's header cannot be read as integer PCM, or nothing.
const char* ReadHeader(HMMIO file, Format& format, MMCKINFO& data) {
    MMCKINFO riff{};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (::mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR) {
        return "not a WAVE file";
    }
    MMCKINFO chunk{};
    chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (::mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR ||
        chunk.cksize < sizeof format ||
        ::mmioRead(file, reinterpret_cast<HPSTR>(&format), sizeof format) != sizeof format) {
        return "no format chunk";
    }
    if (!IsPcm(file, format, static_cast<LONG>(chunk.cksize)) || format.channels == 0 ||
        format.channels > kMaxChannels || format.bitsPerSample % 8 != 0 ||
        format.bitsPerSample < 8 || format.bitsPerSample > 32 ||
        format.blockAlign != format.channels * format.bitsPerSample / 8) {
        return "not integer PCM of 8 to 32 bits";
    }
    ::mmioAscend(file, &chunk, 0);
    data.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (::mmioDescend(file, &data, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) {
        return "no data chunk";
    }
    return nullptr;
}

// The sample's top 16 bits; 8-bit samples are unsigned.
short Value16(const std::uint8_t* sample, int bytes) {
    if (bytes == 1) {
        return static_cast<short>((sample[0] - 128) * 256);
    }
    return static_cast<short>(sample[bytes - 2] | (sample[bytes - 1] << 8));
}

}  // namespace

struct PcmFile {
    HMMIO file;
    int bytesPerSample;
    int blockAlign;
    std::int64_t framesLeft;
    std::vector<std::uint8_t> raw;  // the frames of one read, as stored
};

PcmFile* OpenPcmFile(const std::string& path, PcmFileInfo& info, std::string& error) {
    std::string name = path;
    const HMMIO file = ::mmioOpenA(name.data(), nullptr, MMIO_READ | MMIO_ALLOCBUF);
    if (file == nullptr) {
        error = path + ": cannot be opened";
        return nullptr;
    }
    Format format;
    MMCKINFO data{};
    if (const char* reason = ReadHeader(file, format, data)) {
        ::mmioClose(file, 0);
        error = path + ": " + reason;
        return nullptr;
    }
    const std::int64_t frames = data.cksize / format.blockAlign;
    info = {format.channels, static_cast<int>(format.sampleRate), frames,
            format.channels == 1 && format.bitsPerSample == 8};
    return new PcmFile{file, format.bitsPerSample / 8, format.blockAlign, frames, {}};
}

void ClosePcmFile(PcmFile* file) {
    ::mmioClose(file->file, 0);
    delete file;
}

std::int64_t ReadPcmBytes(PcmFile* file, std::uint8_t* out, std::int64_t count) {
    // A data chunk may hold up to 4 GB, more than one read can ask for.
    const LONG wanted = static_cast<LONG>(std::min<std::int64_t>(
        {count, file->framesLeft * file->blockAlign, std::numeric_limits<LONG>::max()}));
    const LONG got =
        std::max<LONG>(::mmioRead(file->file, reinterpret_cast<HPSTR>(out), wanted), 0);
    file->framesLeft -= got / file->blockAlign;
    return got;
}

std::int64_t ReadPcmFrames(PcmFile* file, short* out, std::int64_t frames) {
    const std::int64_t wanted = std::min(frames, file->framesLeft);
    file->raw.resize(static_cast<std::size_t>(wanted * file->blockAlign));
    const std::int64_t got =
        ReadPcmBytes(file, file->raw.data(), static_cast<std::int64_t>(file->raw.size())) /
        file->blockAlign;
    const std::int64_t values = got * file->blockAlign / file->bytesPerSample;
    for (std::int64_t value = 0; value < values; ++value) {
        out[value] = Value16(file->raw.data() + value * file->bytesPerSample, file->bytesPerSample);
    }
    return got;
}

bool SkipPcmFrames(PcmFile* file, std::int64_t frames) {
    const std::int64_t bytes = frames * file->blockAlign;
    if (frames > file->framesLeft || bytes > std::numeric_limits<LONG>::max() ||
        ::mmioSeek(file->file, static_cast<LONG>(bytes), SEEK_CUR) == -1) {
        return false;
    }
    file->framesLeft -= frames;
    return true;
}
