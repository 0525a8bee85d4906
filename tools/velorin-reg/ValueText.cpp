#include "tools/velorin-reg/ValueText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace regtool {
namespace {

constexpr std::size_t kDwordBytes = 4;

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string_view TypeName(ValueType type) {
    switch (type) {
        case ValueType::String:
            return "REG_SZ";
        case ValueType::Dword:
            return "REG_DWORD";
        case ValueType::Binary:
            break;
    }
    return "REG_BINARY";
}

std::optional<ValueType> ParseTypeName(std::string_view name) {
    for (ValueType type : {ValueType::String, ValueType::Binary, ValueType::Dword}) {
        if (name == TypeName(type)) {
            return type;
        }
    }
    return std::nullopt;
}

std::string HexDigits(std::span<const std::byte> data, std::string_view separator) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        const auto byte = std::to_integer<unsigned>(data[i]);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

std::optional<std::vector<std::byte>> ParseHexDigits(std::string_view text, char separator) {
    std::vector<std::byte> bytes;
    while (!text.empty()) {
        const auto high = HexDigit(text[0]);
        const auto low = text.size() > 1 ? HexDigit(text[1]) : std::nullopt;
        if (!high || !low) {
            return std::nullopt;
        }
        bytes.push_back(std::byte(*high << 4 | *low));
        text.remove_prefix(2);
        if (separator != 0 && !text.empty()) {
            if (text[0] != separator || text.size() == 1) {
                return std::nullopt;
            }
            text.remove_prefix(1);
        }
    }
    return bytes;
}

std::string FormatData(ValueType type, std::span<const std::byte> data) {
    switch (type) {
        case ValueType::String: {
            const auto end = std::find(data.begin(), data.end(), std::byte{0});
            return std::string(reinterpret_cast<const char*>(data.data()), end - data.begin());
        }
        case ValueType::Dword: {
            char text[sizeof "0x12345678"];
            std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(DwordValue(data)));
            return text;
        }
        case ValueType::Binary:
            break;
    }
    return HexDigits(data);
}

std::optional<std::vector<std::byte>> ParseData(ValueType type, std::string_view text) {
    if (text.empty()) {
        return std::vector<std::byte>();
    }
    switch (type) {
        case ValueType::String: {
            const auto bytes = std::as_bytes(std::span(text));
            return std::vector<std::byte>(bytes.begin(), bytes.end());
        }
        case ValueType::Dword: {
            const auto number = ParseNumber(text);
            return number ? std::optional(DwordBytes(*number)) : std::nullopt;
        }
        case ValueType::Binary:
            break;
    }
    return ParseHexDigits(text);
}

std::vector<std::byte> DwordBytes(std::uint32_t value) {
    std::vector<std::byte> bytes(kDwordBytes);
    for (std::size_t i = 0; i < kDwordBytes; ++i) {
        bytes[i] = std::byte(value >> (8 * i) & 0xFF);
    }
    return bytes;
}

std::uint32_t DwordValue(std::span<const std::byte> data) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < std::min(data.size(), kDwordBytes); ++i) {
        value |= std::to_integer<std::uint32_t>(data[i]) << (8 * i);
    }
    return value;
}

}  // namespace regtool
