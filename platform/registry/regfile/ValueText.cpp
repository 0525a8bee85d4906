#include "platform/registry/regfile/ValueText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace platform::registry::regfile {
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

std::string TypeName(ValueType type) {
    static constexpr std::string_view kNames[] = {"REG_NONE",
                                                  "REG_SZ",
                                                  "REG_EXPAND_SZ",
                                                  "REG_BINARY",
                                                  "REG_DWORD",
                                                  "REG_DWORD_BIG_ENDIAN",
                                                  "REG_LINK",
                                                  "REG_MULTI_SZ",
                                                  "REG_RESOURCE_LIST",
                                                  "REG_FULL_RESOURCE_DESCRIPTOR",
                                                  "REG_RESOURCE_REQUIREMENTS_LIST",
                                                  "REG_QWORD"};
    const auto number = static_cast<std::uint32_t>(type);
    if (number < std::size(kNames)) {
        return std::string(kNames[number]);
    }
    char name[sizeof "REG_TYPE_ffffffff"];
    std::snprintf(name, sizeof name, "REG_TYPE_%x", static_cast<unsigned>(number));
    return name;
}

std::optional<ValueType> ParseTypeName(std::string_view name) {
    for (ValueType type : {ValueType::String, ValueType::Binary, ValueType::Dword}) {
        if (name == TypeName(type)) {
            return type;
        }
    }
    return std::nullopt;
}

std::optional<ValueType> ParseTypeNumber(std::string_view digits) {
    std::uint32_t number = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number, 16);
    if (digits.empty() || digits.size() > 8 || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return static_cast<ValueType>(number);
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
        default:
            break;
    }
    return HexDigits(data);
}

std::optional<std::vector<std::byte>> ParseData(ValueType type, std::string_view text) {
    if (text.empty() && type != ValueType::Dword) {
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
        default:
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

}  // namespace platform::registry::regfile
