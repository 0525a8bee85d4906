// Exporting a key's tree as .reg text, so that importing it restores every value byte for byte.
// The quoted form stands for a text with its terminating zero, as imports store it; any other
// text (none or several zeros, a line break) is written in the hex(1) form.
#include <cstdio>

#include "platform/registry/regfile/RegFile.h"

namespace platform::registry::regfile {
namespace {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::NamedValue;
using platform::registry::Status;

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

// Longer texts go in the hex(1) form, whose lines stay short.
constexpr std::size_t kLongestQuotedText = 1024;
// Hex data continues on a new line after about this many characters, as the system's editor does.
constexpr std::size_t kLineWidth = 78;

// The text of a REG_SZ value that the quoted form carries: one zero byte, at the end.
std::optional<std::string_view> QuotableText(std::span<const std::byte> data) {
    if (data.empty() || data.back() != std::byte{0} || data.size() > kLongestQuotedText) {
        return std::nullopt;
    }
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size() - 1);
    if (text.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    return text;
}

// prefix ("hex:", "hex(7):") and the bytes, two hex digits each, joined by commas; a line
// that grows too long ends in ",\" and the data goes on, indented, on the next.
std::string HexList(std::size_t used, std::string prefix, std::span<const std::byte> data) {
    std::string text = std::move(prefix);
    used += text.size();
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i > 0) {
            text += ',';
            ++used;
            if (used + 3 > kLineWidth) {
                text += "\\\n  ";
                used = 2;
            }
        }
        text += HexDigits(data.subspan(i, 1));
        used += 2;
    }
    return text;
}

std::string DataText(std::size_t used, const NamedValue& value) {
    switch (value.type) {
        case ValueType::String:
            if (const auto text = QuotableText(value.data)) {
                return Quote(*text);
            }
            break;
        case ValueType::Dword:
            if (value.data.size() == 4) {
                return "dword:" + FormatData(value.type, value.data).substr(2);
            }
            break;
        case ValueType::Binary:
            return HexList(used, "hex:", value.data);
        default:
            break;
    }
    char prefix[sizeof "hex(ffffffff):"];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    return HexList(used, prefix, value.data);
}

// The format has one line for each section and each value: a line break in a name cannot go.
bool OnOneLine(std::string_view name) {
    return name.find_first_of("\r\n") == std::string_view::npos;
}

Status WriteKey(const Key& key, const std::string& fullName, std::ostream& out) {
    if (!OnOneLine(fullName)) {
        return Status::InvalidArgument;
    }
    std::vector<NamedValue> values;
    std::vector<std::string> subKeys;
    Status status = ListValues(key, values);
    if (status == Status::Ok) {
        status = ListSubKeys(key, subKeys);
    }
    if (status != Status::Ok) {
        return status;
    }
    out << '\n' << '[' << fullName << "]\n";
    for (const NamedValue& value : values) {
        if (!OnOneLine(value.name)) {
            return Status::InvalidArgument;
        }
        out << ValueLine(value) << '\n';
    }
    for (const std::string& subKey : subKeys) {
        Key child;
        status = OpenKey(key, subKey, Access::Read, child);
        if (status == Status::Ok) {
            std::string childName = fullName;
            childName.append("\\").append(subKey);
            status = WriteKey(child, childName, out);
        }
        if (status != Status::Ok) {
            return status;
        }
    }
    return Status::Ok;
}

}  // namespace

std::string ValueLine(const NamedValue& value) {
    std::string line = (value.name.empty() ? "@" : Quote(value.name)) + '=';
    return line + DataText(line.size(), value);
}

Status ExportTree(const KeyName& name, std::ostream& out) {
    Key key;
    const Status status = OpenKey(name.root, name.path, Access::Read, key);
    if (status != Status::Ok) {
        return status;
    }
    out << kRegHeader << '\n';
    return WriteKey(key, name.Full(), out);
}

}  // namespace platform::registry::regfile
