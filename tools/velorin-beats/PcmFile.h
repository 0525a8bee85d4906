#pragma once
// The platform's open audio file behind PcmReader: the sound-file library on Linux
// (linux/PcmFile.cpp), the system's multimedia file functions on Windows (win32/PcmFile.cpp).
// Values come as 16-bit, scaled as the sound-file library scales them: 8-bit unsigned less 128
// and shifted up, wider samples cut to their top 16 bits.
#include <cstdint>
#include <string>

struct PcmFile;

struct PcmFileInfo {
    int channels = 0;
    int sampleRate = 0;
    std::int64_t frames = 0;
    bool unsigned8 = false;  // 8-bit unsigned samples, which ReadPcmBytes gives as they are
};

// Null, with a one-line reason in error, when the file cannot be read.
PcmFile* OpenPcmFile(const std::string& path, PcmFileInfo& info, std::string& error);
void ClosePcmFile(PcmFile* file);
// Up to count bytes of an 8-bit file as stored; how many it read.
std::int64_t ReadPcmBytes(PcmFile* file, std::uint8_t* out, std::int64_t count);
// Up to frames interleaved frames as 16-bit values; how many it read.
std::int64_t ReadPcmFrames(PcmFile* file, short* out, std::int64_t frames);
// Moves frames ahead without reading them; false when the file cannot.
bool SkipPcmFrames(PcmFile* file, std::int64_t frames);
