#pragma once
// Values as text: the type names, the data as query prints it, and the data as set takes it.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

namespace platform::registry::regfile {

using platform::registry::ValueType;

// REG_SZ, REG_BINARY, REG_DWORD and the other names the system gives type numbers (REG_MULTI_SZ,
// REG_QWORD, ...); REG_TYPE_N, N in hex, for a number without a name.
std::string TypeName(ValueType type);
// Only the three types the launcher stores can be named for set.
std::optional<ValueType> ParseTypeName(std::string_view name);
// One to eight hex digits, as in hex(N):.
std::optional<ValueType> ParseTypeNumber(std::string_view digits);

// Lower-case hex digits, two a byte, joined by separator (none when it is empty).
std::string HexDigits(std::span<const std::byte> data, std::string_view separator = {});
// Pairs of hex digits, each pair optionally followed by separator; nothing on a malformed text.
std::optional<std::vector<std::byte>> ParseHexDigits(std::string_view text, char separator = 0);

// REG_SZ: the text up to the first zero byte; REG_DWORD: 0x and eight hex digits of the
// little-endian number; any other type: hex digits.
std::string FormatData(ValueType type, std::span<const std::byte> data);

// The bytes that set stores: a text as it is (no terminating zero), hex digits, or a number
// (decimal or 0x hex) that fits 32 bits as four bytes, least significant first. Empty text
// makes an empty text or binary value; a number needs digits. Nothing when the text does not fit
// the type.
std::optional<std::vector<std::byte>> ParseData(ValueType type, std::string_view text);

// A 32-bit number as four bytes, least significant first, and back (missing bytes read as 0).
std::vector<std::byte> DwordBytes(std::uint32_t value);
std::uint32_t DwordValue(std::span<const std::byte> data);

}  // namespace platform::registry::regfile
