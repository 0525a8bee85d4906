// Exporting a key's tree as .reg text. A text that the format's quoted form cannot carry (a zero
// byte inside it, a line break) is written in the hex(1) form so that importing it restores it.
#include <algorithm>

#include "tools/velorin-reg/RegFile.h"

namespace regtool {
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

// The text of a REG_SZ value that the quoted form carries: no zero byte but one at the end.
std::optional<std::string_view> QuotableText(std::span<const std::byte> data) {
    if (!data.empty() && data.back() == std::byte{0}) {
        data = data.first(data.size() - 1);
    }
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    if (text.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    return text;
}

std::string DataText(const NamedValue& value) {
    const std::string hexList = HexDigits(value.data, ",");
    switch (value.type) {
        case ValueType::String: {
            const auto text = QuotableText(value.data);
            return text ? Quote(*text) : "hex(1):" + hexList;
        }
        case ValueType::Dword:
            return value.data.size() == 4 ? "dword:" + FormatData(value.type, value.data).substr(2)
                                          : "hex(4):" + hexList;
        case ValueType::Binary:
            break;
    }
    return "hex:" + hexList;
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
        out << (value.name.empty() ? "@" : Quote(value.name)) << '=' << DataText(value) << '\n';
    }
    for (const std::string& subKey : subKeys) {
        Key child;
        status = OpenKey(key, subKey, Access::Read, child);
        if (status == Status::Ok) {
            status = WriteKey(child, fullName + '\\' + subKey, out);
        }
        if (status != Status::Ok) {
            return status;
        }
    }
    return Status::Ok;
}

}  // namespace

Status ExportTree(const KeyName& name, std::ostream& out) {
    Key key;
    const Status status = OpenKey(name.root, name.path, Access::Read, key);
    if (status != Status::Ok) {
        return status;
    }
    out << kRegHeader << '\n';
    return WriteKey(key, name.Full(), out);
}

}  // namespace regtool
