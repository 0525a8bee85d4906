// Reading .reg text into a list of changes. Nothing is applied here: a file with one wrong line
// yields no changes at all, and names that line.
#include <cctype>
#include <new>

#include "platform/registry/regfile/RegFile.h"
#include "platform/registry/regfile/RegLines.h"

namespace platform::registry::regfile {
namespace {

// The header is short: a first line longer than this is not a .reg file, whatever follows.
constexpr std::size_t kMaxHeaderBytes = 1024;

// One logical line: a physical line, or several joined by trailing '\'.
struct Line {
    int number = 0;
    std::string text;
};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

std::string HeaderExpected() {
    return "the first line must be " + std::string(kRegHeader);
}

enum class Read { Line, End, Bad };

// Reads the next logical line; read counts the physical lines read so far.
Read NextLine(RegLines& lines, int& read, Line& line, std::string& problem) {
    line = {read + 1, {}};
    std::string physical;
    for (bool first = true;; first = false) {
        const std::size_t room = (read == 0 ? kMaxHeaderBytes : kMaxLineBytes) - line.text.size();
        const RegLines::Result result = lines.Next(room, physical);
        if (result == RegLines::Result::End) {
            return first ? Read::End : Read::Line;
        }
        if (result != RegLines::Result::Line) {
            line.number = read + 1;
            problem = read == 0 ? HeaderExpected()
                      : result == RegLines::Result::TooLong
                          ? "a line longer than " + std::to_string(kMaxLineBytes) + " bytes"
                          : std::string("not valid UTF-16 text");
            return Read::Bad;
        }
        ++read;
        const std::string_view text = Trim(physical);
        const bool continued = !text.empty() && text.back() == '\\' && !text.starts_with('[') &&
                               !text.starts_with(';');
        line.text += continued ? text.substr(0, text.size() - 1) : text;
        if (!continued) {
            return Read::Line;
        }
    }
}

// Reads a quoted string at the start of text, with \" and \\ escapes; advances text past it.
std::optional<std::string> TakeQuoted(std::string_view& text) {
    if (!text.starts_with('"')) {
        return std::nullopt;
    }
    std::string value;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            text.remove_prefix(i + 1);
            return value;
        }
        if (text[i] == '\\') {
            if (++i == text.size() || (text[i] != '\\' && text[i] != '"')) {
                return std::nullopt;
            }
        }
        value += text[i];
    }
    return std::nullopt;
}

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            kept += c;
        }
    }
    return kept;
}

// The data after '=': fills change, or says what is wrong.
std::string ParseValueData(std::string_view data, RegChange& change) {
    change.kind = RegChange::Kind::SetValue;
    if (data == "-") {
        change.kind = RegChange::Kind::DeleteValue;
        return {};
    }
    if (data.starts_with('"')) {
        const auto text = TakeQuoted(data);
        if (!text || !data.empty()) {
            return "a text must be one quoted string";
        }
        change.type = ValueType::String;
        change.data = ParseData(ValueType::String, *text).value();
        change.data.push_back(std::byte{0});  // stored with its terminating zero, as imports do
        return {};
    }
    if (data.starts_with("dword:")) {
        data.remove_prefix(6);
        const auto bytes = data.size() == 8 ? ParseHexDigits(data) : std::nullopt;
        if (!bytes) {
            return "a dword needs eight hex digits";
        }
        change.type = ValueType::Dword;
        change.data.assign(bytes->rbegin(), bytes->rend());  // stored least significant first
        return {};
    }
    change.type = ValueType::Binary;
    if (data.starts_with("hex(")) {
        const std::size_t close = data.find("):");
        const auto type = close == std::string_view::npos
                              ? std::nullopt
                              : ParseTypeNumber(data.substr(4, close - 4));
        if (!type) {
            return "hex(N): needs a type number N of one to eight hex digits";
        }
        change.type = *type;
        data.remove_prefix(close + 2);
    } else if (data.starts_with("hex:")) {
        data.remove_prefix(4);
    } else {
        return "unknown data; expected \"text\", hex:.., hex(N):.. or dword:..";
    }
    const auto bytes = ParseHexDigits(WithoutBlanks(data), ',');
    if (!bytes) {
        return "hex data must be pairs of hex digits separated by commas";
    }
    change.data = *bytes;
    return {};
}

std::string ParseSection(std::string_view text, std::optional<KeyName>& current,
                         std::vector<RegChange>& changes) {
    if (!text.ends_with(']')) {
        return "a section line must end with ]";
    }
    text = text.substr(1, text.size() - 2);
    const bool deletion = text.starts_with('-');
    current = ParseKeyName(deletion ? text.substr(1) : text);
    if (!current) {
        return "unknown root key";
    }
    changes.push_back({.kind = deletion ? RegChange::Kind::DeleteKey : RegChange::Kind::CreateKey,
                       .key = *current});
    if (deletion) {
        current.reset();
    }
    return {};
}

std::string ParseValue(std::string_view text, const std::optional<KeyName>& current,
                       std::vector<RegChange>& changes) {
    if (!current) {
        return "a value outside a [KEY] section";
    }
    RegChange change{.kind = RegChange::Kind::SetValue, .key = *current};
    if (text.starts_with('@')) {
        text.remove_prefix(1);
    } else if (auto name = TakeQuoted(text)) {
        change.name = std::move(*name);
    } else {
        return "a value line must start with \"Name\" or @";
    }
    text = Trim(text);
    if (!text.starts_with('=')) {
        return "= expected after the value's name";
    }
    std::string problem = ParseValueData(Trim(text.substr(1)), change);
    if (problem.empty()) {
        changes.push_back(std::move(change));
    }
    return problem;
}

// Past either bound of an import, the text is refused at the line that went past it.
std::string Bounds(const std::vector<RegChange>& changes, std::size_t before, std::size_t& bytes) {
    for (std::size_t i = before; i < changes.size(); ++i) {
        bytes += changes[i].key.path.size() + changes[i].name.size() + changes[i].data.size();
    }
    if (changes.size() > kMaxImportChanges) {
        return "more than " + std::to_string(kMaxImportChanges) + " keys and values in one import";
    }
    if (bytes > kMaxImportBytes) {
        return "more than " + std::to_string(kMaxImportBytes) +
               " bytes of names and data in one import";
    }
    return {};
}

// The parse proper; line follows the line being read, for the caller's report when memory runs
// out.
RegFileContents ParseLines(std::istream& in, int& number) {
    RegLines lines(in);
    RegFileContents contents;
    std::optional<KeyName> current;
    int read = 0;
    std::size_t bytes = 0;
    Line line;
    std::string problem;
    for (Read result; (result = NextLine(lines, read, line, problem)) != Read::End;) {
        number = line.number;
        if (result == Read::Bad) {
            return {{}, line.number, problem};
        }
        const std::size_t before = contents.changes.size();
        if (line.number == 1) {
            problem = line.text == kRegHeader ? "" : HeaderExpected();
        } else if (line.text.empty() || line.text.starts_with(';')) {
            continue;
        } else if (line.text.starts_with('[')) {
            problem = ParseSection(line.text, current, contents.changes);
        } else {
            problem = ParseValue(line.text, current, contents.changes);
        }
        if (problem.empty()) {
            problem = Bounds(contents.changes, before, bytes);
        }
        if (!problem.empty()) {
            return {{}, line.number, problem};
        }
        for (std::size_t i = before; i < contents.changes.size(); ++i) {
            contents.changes[i].line = line.number;
        }
    }
    if (read == 0) {
        return {{}, 1, "empty input; " + HeaderExpected()};
    }
    return contents;
}

}  // namespace

RegFileContents ParseRegFile(std::istream& in) {
    int line = 1;
    try {
        return ParseLines(in, line);
    } catch (const std::bad_alloc&) {
        return {{}, line, "out of memory"};
    }
}

}  // namespace platform::registry::regfile
