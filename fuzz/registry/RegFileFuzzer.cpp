// The .reg reader on arbitrary bytes. Besides not crashing, two properties: valid UTF-8 text
// reads the same when saved as UTF-16 LE with a byte-order mark, and every value read comes back
// the same (name, type, bytes) from the line the exporter writes for it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/registry/regfile/RegFile.h"

namespace {

using namespace platform::registry::regfile;

RegFileContents Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseRegFile(in);
}

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The next code point of strict UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
std::optional<std::uint32_t> NextCode(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(i);
    const int extra = lead < 0x80                   ? 0
                      : lead >= 0xC2 && lead < 0xE0 ? 1
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xF0 && lead < 0xF5 ? 3
                                                    : -1;
    if (extra < 0 || i + extra >= text.size()) {
        return std::nullopt;
    }
    std::uint32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return std::nullopt;
    }
    i += 1 + extra;
    return code;
}

// text as UTF-16 LE after a byte-order mark, or nothing when it is not valid UTF-8.
std::optional<std::string> Utf16(std::string_view text) {
    std::string out = "\xFF\xFE";
    const auto unit = [&out](std::uint32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<std::uint32_t> code = NextCode(text, i);
        if (!code) {
            return std::nullopt;
        }
        if (*code >= 0x10000) {
            unit(0xD800 + ((*code - 0x10000) >> 10));
            unit(0xDC00 + ((*code - 0x10000) & 0x3FF));
        } else {
            unit(*code);
        }
    }
    return out;
}

bool SameChanges(const RegFileContents& a, const RegFileContents& b) {
    if (a.badLine != b.badLine || a.problem != b.problem || a.changes.size() != b.changes.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.changes.size(); ++i) {
        const RegChange& x = a.changes[i];
        const RegChange& y = b.changes[i];
        if (x.kind != y.kind || x.key.Full() != y.key.Full() || x.line != y.line ||
            x.name != y.name || x.type != y.type || x.data != y.data) {
            return false;
        }
    }
    return true;
}

void CheckValueLineRoundTrip(const RegChange& change) {
    if (change.kind != RegChange::Kind::SetValue ||
        change.name.find_first_of("\r\n") != std::string::npos) {
        return;  // the format cannot carry a line break in a name; export refuses it
    }
    const platform::registry::NamedValue value{change.name, change.type, change.data};
    const RegFileContents back =
        Parse(std::string(kRegHeader) + "\n[HKEY_CLASSES_ROOT\\K]\n" + ValueLine(value) + "\n");
    Check(back.badLine == 0 && back.changes.size() == 2);
    const RegChange& read = back.changes[1];
    Check(read.name == change.name && read.type == change.type && read.data == change.data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const RegFileContents contents = Parse(text);
    for (const RegChange& change : contents.changes) {
        CheckValueLineRoundTrip(change);
    }
    // A leading mark would be read as one by the plain reader, and as text inside UTF-16.
    if (!text.starts_with("\xEF\xBB\xBF") && !text.starts_with("\xFF\xFE")) {
        if (const std::optional<std::string> wide = Utf16(text)) {
            Check(SameChanges(contents, Parse(*wide)));
        }
    }
    return 0;
}
