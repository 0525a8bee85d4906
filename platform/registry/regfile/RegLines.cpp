#include "platform/registry/regfile/RegLines.h"

#include <cstdint>

namespace platform::registry::regfile {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();

bool IsHighSurrogate(int unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(int unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::size_t Utf8Length(std::uint32_t code) {
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

void AppendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

RegLines::Result Finished(std::string& line, bool any) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return any ? RegLines::Result::Line : RegLines::Result::End;
}

}  // namespace

RegLines::RegLines(std::istream& in) : in_(in.rdbuf()) {}

int RegLines::Byte() {
    if (!pending_.empty()) {
        const auto byte = static_cast<unsigned char>(pending_.front());
        pending_.erase(0, 1);
        return byte;
    }
    return in_ ? in_->sbumpc() : kEnd;
}

void RegLines::Detect() {
    encoding_ = Encoding::Bytes;
    std::string start;
    for (const unsigned char expected : {0xEF, 0xBB, 0xBF}) {
        const int byte = Byte();
        if (byte == kEnd) {
            break;
        }
        start += static_cast<char>(byte);
        if (start == "\xFF\xFE") {
            encoding_ = Encoding::Utf16;
            return;
        }
        if (byte != expected && start != "\xFF") {
            break;
        }
    }
    if (start != "\xEF\xBB\xBF") {
        pending_ = start;
    }
}

RegLines::Result RegLines::Next(std::size_t limit, std::string& line) {
    if (encoding_ == Encoding::Unknown) {
        Detect();
    }
    line.clear();
    return encoding_ == Encoding::Utf16 ? NextUtf16(limit, line) : NextBytes(limit, line);
}

RegLines::Result RegLines::NextBytes(std::size_t limit, std::string& line) {
    bool any = false;
    for (int byte = Byte(); byte != kEnd; byte = Byte()) {
        any = true;
        if (byte == '\n') {
            break;
        }
        if (line.size() == limit) {
            return Result::TooLong;
        }
        line += static_cast<char>(byte);
    }
    return Finished(line, any);
}

int RegLines::Unit(bool& bad) {
    const int low = Byte();
    if (low == kEnd) {
        return -1;
    }
    const int high = Byte();
    if (high == kEnd) {
        bad = true;
        return -1;
    }
    return low | high << 8;
}

RegLines::Result RegLines::NextUtf16(std::size_t limit, std::string& line) {
    bool any = false;
    bool bad = false;
    for (int unit = Unit(bad); unit >= 0; unit = Unit(bad)) {
        any = true;
        if (unit == '\n') {
            break;
        }
        std::uint32_t code = static_cast<std::uint32_t>(unit);
        if (IsHighSurrogate(unit)) {
            const int next = Unit(bad);
            if (!IsLowSurrogate(next)) {
                return Result::BadText;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + static_cast<std::uint32_t>(next - 0xDC00);
        } else if (IsLowSurrogate(unit)) {
            return Result::BadText;
        }
        if (line.size() + Utf8Length(code) > limit) {
            return Result::TooLong;
        }
        AppendUtf8(code, line);
    }
    return bad ? Result::BadText : Finished(line, any);
}

}  // namespace platform::registry::regfile
