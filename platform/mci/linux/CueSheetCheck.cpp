#include "platform/mci/linux/CueSheetCheck.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>

namespace platform::mci::linux_backend {

namespace {

// libcdio reads a sheet with fgets into 4,096 bytes: a longer line is read as several.
constexpr std::size_t kLibcdioLineBytes = 4096 - 1;
constexpr std::string_view kBlanks = " \t\n\r";
constexpr int kMaxTracks = 99;

// The next line as libcdio sees it: up to a newline or kLibcdioLineBytes, cut at a NUL byte.
bool ReadLine(std::istream& sheet, std::string& line) {
    line.clear();
    char c = 0;
    while (line.size() < kLibcdioLineBytes && sheet.get(c)) {
        line.push_back(c);
        if (c == '\n') {
            break;
        }
    }
    line.resize(std::string_view(line.c_str()).size());
    return !line.empty() || sheet.good();
}

// Cuts the next blank-separated word off text.
std::string_view NextWord(std::string_view& text) {
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find_first_of(kBlanks), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// The number of a TRACK line, when it is one; zero for a TRACK line whose number is not plain
// digits (libcdio would take "2x" for 2).
std::optional<int> TrackNumber(std::string_view line) {
    if (NextWord(line) != "TRACK") {
        return std::nullopt;
    }
    const std::string_view field = NextWord(line);
    int number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) {
        return 0;
    }
    return number;
}

// The sheet libcdio's CUE reader would read for location, if any.
std::optional<std::string> SheetFor(const std::string& location) {
    if (location.size() <= 3) {
        return std::nullopt;
    }
    const std::string stem = location.substr(0, location.size() - 3);
    const std::string_view suffix = std::string_view(location).substr(location.size() - 3);
    if (suffix == "cue" || suffix == "CUE") {
        return location;
    }
    if (suffix == "bin") {
        return stem + "cue";
    }
    if (suffix == "BIN") {
        return stem + "CUE";
    }
    return std::nullopt;
}

}  // namespace

bool TracksNumberedInSequence(std::istream& sheet) {
    int tracks = 0;
    std::string line;
    while (ReadLine(sheet, line)) {
        const std::optional<int> number = TrackNumber(line);
        if (!number.has_value()) {
            continue;
        }
        if (*number != tracks + 1 || *number > kMaxTracks) {
            return false;
        }
        tracks = *number;
    }
    return tracks > 0;
}

bool CueSheetSafeToOpen(const std::string& location) {
    const std::optional<std::string> sheet = SheetFor(location);
    if (!sheet.has_value()) {
        return true;
    }
    std::ifstream file(*sheet, std::ios::binary);
    // A sheet that cannot be read is refused by libcdio itself.
    return !file.is_open() || TracksNumberedInSequence(file);
}

}  // namespace platform::mci::linux_backend
