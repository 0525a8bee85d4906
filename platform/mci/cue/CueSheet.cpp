#include "platform/mci/cue/CueSheet.h"

#include <algorithm>
#include <cctype>

#include "platform/mci/AudioSectors.h"

namespace platform::mci::cue {

namespace {

constexpr std::size_t kMaxFileName = 255;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Words = std::vector<std::string_view>;

bool Is(std::string_view word, std::string_view keyword) {
    return std::equal(word.begin(), word.end(), keyword.begin(), keyword.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
}

// Blank-separated words; a word in double quotes may hold blanks and loses its quotes.
bool SplitWords(std::string_view line, Words& words) {
    words.clear();
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ' || line[at] == '\t') {
            ++at;
        } else if (line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            if (close == std::string_view::npos) {
                return false;
            }
            words.push_back(line.substr(at + 1, close - at - 1));
            at = close + 1;
        } else {
            const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
            words.push_back(line.substr(at, end - at));
            at = end;
        }
    }
    return true;
}

// One or two decimal digits.
std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
}

// mm:ss:ff as a sector count.
std::optional<std::int32_t> Position(std::string_view text) {
    if (text.size() < 5 || text.size() > 8) {
        return std::nullopt;
    }
    const std::size_t first = text.find(':');
    const std::size_t second = text.find(':', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto minutes = SmallNumber(text.substr(0, first));
    const auto seconds = SmallNumber(text.substr(first + 1, second - first - 1));
    const auto frames = SmallNumber(text.substr(second + 1));
    if (!minutes || !seconds || !frames || *seconds >= 60 || *frames >= kSectorsPerSecond) {
        return std::nullopt;
    }
    return (*minutes * 60 + *seconds) * kSectorsPerSecond + *frames;
}

bool IsDeviceName(std::string_view name) {
    const std::string_view stem = name.substr(0, name.find('.'));
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (Is(stem, device)) {
            return true;
        }
    }
    return stem.size() == 4 && (Is(stem.substr(0, 3), "COM") || Is(stem.substr(0, 3), "LPT")) &&
           stem[3] >= '0' && stem[3] <= '9';
}

// A name that can only mean a file in the sheet's own folder, on Linux and on Windows alike.
bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxFileName && name != "." && name != ".." &&
           name.find_first_of("/\\:*?\"<>|") == std::string_view::npos && name.back() != '.' &&
           name.back() != ' ' && !IsDeviceName(name);
}

bool HasControlCharacter(std::string_view line) {
    return std::any_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; });
}

class Reader {
  public:
    CueResult Read(std::string_view text);

  private:
    const char* Line(const Words& words);
    const char* File(const Words& words);
    const char* Track(const Words& words);
    const char* Index(const Words& words);
    const char* Finish() const;

    CueSheet sheet_;
    bool haveFile_ = false;
    int lastIndex_ = -1;             // in the current track
    std::int32_t lastPosition_ = 0;  // of any INDEX so far: positions never go back
};

CueResult Reader::Read(std::string_view text) {
    if (text.size() > kMaxSheetBytes) {
        return {std::nullopt, "the sheet is larger than 64 KiB"};
    }
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    Words words;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const char* problem = HasControlCharacter(line)  ? "a control character"
                              : !SplitWords(line, words) ? "a quote is not closed"
                                                         : Line(words);
        if (problem != nullptr) {
            return {std::nullopt, "line " + std::to_string(number) + ": " + problem};
        }
    }
    if (const char* problem = Finish()) {
        return {std::nullopt, problem};
    }
    return {std::move(sheet_), {}};
}

const char* Reader::Line(const Words& words) {
    if (words.empty()) {
        return nullptr;
    }
    const std::string_view command = words[0];
    if (Is(command, "FILE")) {
        return File(words);
    }
    if (Is(command, "TRACK")) {
        return Track(words);
    }
    if (Is(command, "INDEX")) {
        return Index(words);
    }
    for (std::string_view ignored :
         {"REM", "TITLE", "PERFORMER", "SONGWRITER", "CATALOG", "ISRC", "FLAGS", "CDTEXTFILE"}) {
        if (Is(command, ignored)) {
            return nullptr;
        }
    }
    if (Is(command, "PREGAP") || Is(command, "POSTGAP")) {
        return "gaps outside the file are not read";
    }
    return "an unknown command";
}

const char* Reader::File(const Words& words) {
    if (haveFile_) {
        return "only one FILE is read";
    }
    if (words.size() != 3 || !Is(words[2], "BINARY")) {
        return "only FILE \"name\" BINARY is read";
    }
    if (!IsPlainFileName(words[1])) {
        return "the file must be named without a folder";
    }
    haveFile_ = true;
    sheet_.file = std::string(words[1]);
    return nullptr;
}

const char* Reader::Track(const Words& words) {
    if (!haveFile_) {
        return "a TRACK before the FILE";
    }
    if (!sheet_.tracks.empty() && lastIndex_ < 1) {
        return "the track before has no INDEX 01";
    }
    const auto number = words.size() == 3 ? SmallNumber(words[1]) : std::nullopt;
    if (!number || *number != static_cast<int>(sheet_.tracks.size()) + 1) {
        return "tracks must be numbered 1, 2, 3, ...";
    }
    const std::string_view type = words[2];
    if (!Is(type, "AUDIO") && !Is(type, "MODE1/2352") && !Is(type, "MODE2/2352")) {
        return "only tracks of 2,352-byte sectors are read";
    }
    sheet_.tracks.push_back({Is(type, "AUDIO"), 0});
    lastIndex_ = -1;
    return nullptr;
}

const char* Reader::Index(const Words& words) {
    if (sheet_.tracks.empty()) {
        return "an INDEX outside a track";
    }
    const auto number = words.size() == 3 ? SmallNumber(words[1]) : std::nullopt;
    const auto position = words.size() == 3 ? Position(words[2]) : std::nullopt;
    if (!number || !position) {
        return "an INDEX is nn mm:ss:ff";
    }
    if (*number <= lastIndex_ || (*number > 1 && lastIndex_ < 1)) {
        return "indexes must run 00 or 01, then up";
    }
    if (*position < lastPosition_ ||
        (*number == 1 && sheet_.tracks.size() > 1 && *position == sheet_.tracks.end()[-2].start)) {
        return "positions must go forward";
    }
    if (*number == 1) {
        sheet_.tracks.back().start = *position;
    }
    lastIndex_ = *number;
    lastPosition_ = *position;
    return nullptr;
}

const char* Reader::Finish() const {
    if (!haveFile_) {
        return "no FILE";
    }
    if (sheet_.tracks.empty()) {
        return "no TRACK";
    }
    return lastIndex_ < 1 ? "the last track has no INDEX 01" : nullptr;
}

}  // namespace

CueResult ReadCueSheet(std::string_view text) {
    return Reader().Read(text);
}

}  // namespace platform::mci::cue
