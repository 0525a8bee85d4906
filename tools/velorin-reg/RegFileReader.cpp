// Reading .reg text into a list of changes. Nothing is applied here: a file with one wrong line
// yields no changes at all, and names that line.
#include <cctype>

#include "tools/velorin-reg/RegFile.h"

namespace regtool {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

std::vector<Line> ReadLines(std::istream& in) {
    std::vector<Line> lines;
    std::string physical;
    bool continued = false;
    for (int number = 1; std::getline(in, physical); ++number) {
        std::string_view text = Trim(physical);
        if (number == 1 && text.starts_with(kByteOrderMark)) {
            text.remove_prefix(kByteOrderMark.size());
        }
        if (!continued) {
            lines.push_back({number, {}});
        }
        continued = !text.empty() && text.back() == '\\' && !text.starts_with('[') &&
                    !text.starts_with(';');
        lines.back().text += continued ? text.substr(0, text.size() - 1) : text;
    }
    return lines;
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
    if (data.starts_with("hex(") && data.size() > 6 && data.substr(5, 2) == "):") {
        const auto type = ParseHexDigits(std::string("0") + data[4]);
        const int number = type ? std::to_integer<int>(type->front()) : 0;
        if (number != 1 && number != 3 && number != 4) {
            return "only hex(1), hex(3) and hex(4) values are known";
        }
        change.type = static_cast<ValueType>(number);
        data.remove_prefix(7);
    } else if (data.starts_with("hex:")) {
        data.remove_prefix(4);
    } else {
        return "unknown data; expected \"text\", hex:.. or dword:..";
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
    const std::string problem = ParseValueData(Trim(text.substr(1)), change);
    if (problem.empty()) {
        changes.push_back(std::move(change));
    }
    return problem;
}

}  // namespace

RegFileContents ParseRegFile(std::istream& in) {
    const std::vector<Line> lines = ReadLines(in);
    RegFileContents contents;
    std::optional<KeyName> current;
    for (const Line& line : lines) {
        std::string problem;
        if (line.number == 1) {
            problem =
                line.text == kRegHeader ? "" : "the first line must be " + std::string(kRegHeader);
        } else if (line.text.empty() || line.text.starts_with(';')) {
            continue;
        } else if (line.text.starts_with('[')) {
            problem = ParseSection(line.text, current, contents.changes);
        } else {
            problem = ParseValue(line.text, current, contents.changes);
        }
        if (!problem.empty()) {
            return {{}, line.number, problem};
        }
    }
    if (lines.empty()) {
        return {{}, 1, "empty input; the first line must be " + std::string(kRegHeader)};
    }
    return contents;
}

}  // namespace regtool
