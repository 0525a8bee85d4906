#include "tools/velorin-disc/CueImage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>

#include "tools/velorin-disc/TempFile.h"

namespace disc {

namespace {

constexpr std::int64_t kChunkSectors = kSectorsPerSecond;

std::string Msf(std::int64_t sector) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d",
                  static_cast<int>(sector / kSectorsPerSecond / 60),
                  static_cast<int>(sector / kSectorsPerSecond % 60),
                  static_cast<int>(sector % kSectorsPerSecond));
    return text;
}

bool WriteTrack(std::FILE* file, const ImageTrack& track) {
    std::vector<std::int16_t> samples(kChunkSectors * kSamplesPerSector);
    for (std::int64_t done = 0; done < track.sectors; done += kChunkSectors) {
        const std::int64_t count = std::min(kChunkSectors, track.sectors - done);
        const auto chunk =
            std::span(samples).first(static_cast<std::size_t>(count * kSamplesPerSector));
        if (track.data) {
            std::fill(chunk.begin(), chunk.end(), 0);
        } else {
            RenderRhythm(track.rhythm, done * kSamplesPerSector / 2, chunk);
        }
        if (std::fwrite(chunk.data(), sizeof(std::int16_t), chunk.size(), file) != chunk.size()) {
            return false;
        }
    }
    return true;
}

bool WriteBin(TempFile& bin, const std::vector<ImageTrack>& tracks) {
    for (const ImageTrack& track : tracks) {
        if (!WriteTrack(bin.file(), track)) {
            return false;
        }
    }
    return bin.Close();
}

}  // namespace

std::filesystem::path BinPath(const std::filesystem::path& cue) {
    return std::filesystem::path(cue).replace_extension(".bin");
}

std::string CueSheet(const std::string& bin, const std::vector<ImageTrack>& tracks) {
    std::string sheet = "FILE \"" + bin + "\" BINARY\n";
    std::int64_t start = 0;
    int number = 0;
    for (const ImageTrack& track : tracks) {
        char line[64];
        std::snprintf(line, sizeof line, "  TRACK %02d %s\n    INDEX 01 %s\n", ++number,
                      track.data ? "MODE1/2352" : "AUDIO", Msf(start).c_str());
        sheet += line;
        start += track.sectors;
    }
    return sheet;
}

bool WriteCueImage(const std::filesystem::path& cue, const std::vector<ImageTrack>& tracks,
                   std::string& error) {
    const std::filesystem::path bin = BinPath(cue);
    TempFile binFile(bin);
    TempFile cueFile(cue);
    if (binFile.file() == nullptr || cueFile.file() == nullptr) {
        error = cue.parent_path().string() + ": " + std::strerror(errno);
        return false;
    }
    const std::string sheet = CueSheet(bin.filename().string(), tracks);
    if (!WriteBin(binFile, tracks) ||
        std::fwrite(sheet.data(), 1, sheet.size(), cueFile.file()) != sheet.size() ||
        !cueFile.Close()) {
        error = cue.string() + ": cannot write the image";
        return false;
    }
    return binFile.MoveTo(bin, error) && cueFile.MoveTo(cue, error);
}

}  // namespace disc
