#include "tools/velorin-beats/PcmFile.h"

#include <sndfile.h>

#include <memory>

struct PcmFile {
    SNDFILE* file;
};

PcmFile* OpenPcmFile(const std::string& path, PcmFileInfo& info, std::string& error) {
    SF_INFO header{};
    SNDFILE* const file = sf_open(path.c_str(), SFM_READ, &header);
    if (file == nullptr) {
        error = path + ": " + sf_strerror(nullptr);
        return nullptr;
    }
    const int subtype = header.format & SF_FORMAT_SUBMASK;
    info = {header.channels, header.samplerate, header.frames,
            header.channels == 1 && subtype == SF_FORMAT_PCM_U8};
    // Floating-point files are scaled to the 16-bit range rather than rounded as they are. The
    // library finds the scale by reading the whole file, so only they ask for it.
    if (subtype == SF_FORMAT_FLOAT || subtype == SF_FORMAT_DOUBLE) {
        sf_command(file, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    }
    return std::make_unique<PcmFile>(PcmFile{file}).release();  // owned by the caller from here
}

void ClosePcmFile(PcmFile* file) {
    const std::unique_ptr<PcmFile> owned(file);
    sf_close(owned->file);
}

std::int64_t ReadPcmBytes(PcmFile* file, std::uint8_t* out, std::int64_t count) {
    return sf_read_raw(file->file, out, count);
}

std::int64_t ReadPcmFrames(PcmFile* file, short* out, std::int64_t frames) {
    return sf_readf_short(file->file, out, frames);
}

bool SkipPcmFrames(PcmFile* file, std::int64_t frames) {
    return sf_seek(file->file, frames, SEEK_CUR) >= 0;
}
