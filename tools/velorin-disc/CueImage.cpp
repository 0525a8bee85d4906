#include "tools/velorin-disc/CueImage.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <span>
#include <string_view>

#include "tools/velorin-disc/TempFile.h"

namespace disc {

namespace {

constexpr std::int64_t kChunkSectors = kSectorsPerSecond;
constexpr std::size_t kMaxFileName = 255;

namespace fs = std::filesystem;

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

bool IsDeviceName(std::string_view stem) {
    std::string upper(stem);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") {
        return true;
    }
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '0' && upper[3] <= '9';
}

// The data of the image's present sheet, when it is one this tool wrote and names a file of ours:
// that file goes once the new sheet has replaced it, and nothing else ever does.
std::optional<fs::path> EarlierData(const fs::path& cue) {
    std::ifstream sheet(cue, std::ios::binary);
    std::string head(kMaxFileName + 32, '\0');
    sheet.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(sheet.gcount()));
    for (int number = 0; number <= kMaxDataNumber; ++number) {
        const fs::path data = DataPath(cue, number);
        std::error_code error;
        if (head.starts_with("FILE \"" + data.filename().string() + "\" BINARY\n") &&
            fs::is_regular_file(fs::symlink_status(data, error))) {
            return data;
        }
    }
    return std::nullopt;
}

// Gives the written data the first of its names that nothing has yet.
std::optional<fs::path> ClaimDataName(TempFile& data, const fs::path& cue, std::string& error) {
    for (int number = 0; number <= kMaxDataNumber; ++number) {
        const fs::path target = DataPath(cue, number);
        switch (data.MoveToUnused(target, error)) {
            case TempFile::Claim::Done:
                return target;
            case TempFile::Claim::Failed:
                return std::nullopt;
            case TempFile::Claim::Taken:
                break;
        }
    }
    error = cue.string() + ": every name for its data is taken (" +
            DataPath(cue, 0).filename().string() + " to " +
            DataPath(cue, kMaxDataNumber).filename().string() + ")";
    return std::nullopt;
}

bool WriteSheet(TempFile& sheet, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), sheet.file()) == text.size() && sheet.Close();
}

std::string WriteProblem(const fs::path& file) {
    return file.string() + ": cannot be written: " + std::strerror(errno);
}

}  // namespace

fs::path DataPath(const fs::path& cue, int number) {
    return fs::path(cue).replace_extension(number == 0 ? ".bin"
                                                       : "." + std::to_string(number) + ".bin");
}

std::string NameProblem(const fs::path& cue) {
    const std::string name = cue.filename().string();
    if (std::any_of(name.begin(), name.end(),
                    [](unsigned char c) { return c < 0x20 || c == 0x7F; })) {
        return "the image's name cannot hold a line break or another control character";
    }
    if (name.find('"') != std::string::npos) {
        return "the image's name cannot hold a double quote";
    }
    if (name.find_first_of("\\:*?<>|") != std::string::npos) {
        return "the image's name cannot hold any of \\ : * ? < > |";
    }
    if (IsDeviceName(std::string_view(name).substr(0, name.find('.')))) {
        return "the image's name is a device's name on Windows";
    }
    if (DataPath(cue, kMaxDataNumber).filename().string().size() > kMaxFileName) {
        return "the image's name is longer than " + std::to_string(kMaxFileName - 7) + " bytes";
    }
    return {};
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

bool WriteCueImage(const fs::path& cue, const std::vector<ImageTrack>& tracks, std::string& error) {
    const std::optional<fs::path> earlier = EarlierData(cue);
    TempFile dataFile(DataPath(cue, 0));
    TempFile sheetFile(cue);
    if (dataFile.file() == nullptr || sheetFile.file() == nullptr) {
        error = cue.parent_path().string() + ": " + std::strerror(errno);
        return false;
    }
    if (!WriteBin(dataFile, tracks)) {
        error = WriteProblem(DataPath(cue, 0));
        return false;
    }
    const std::optional<fs::path> data = ClaimDataName(dataFile, cue, error);
    if (!data) {
        return false;
    }
    if (!WriteSheet(sheetFile, CueSheet(data->filename().string(), tracks)) ||
        !sheetFile.MoveTo(cue, error)) {
        if (error.empty()) {
            error = WriteProblem(cue);
        }
        std::error_code ignored;
        fs::remove(*data, ignored);
        return false;
    }
    if (earlier) {
        std::error_code ignored;
        fs::remove(*earlier, ignored);
    }
    return true;
}

}  // namespace disc
