#pragma once
// Shared steps of the settings functions: reaching a key from HKEY_LOCAL_MACHINE\SOFTWARE,
// reading one value into a zero-filled buffer, and handing a text on to a caller's buffer.
#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "platform/registry/Registry.h"

namespace settings {

// Opens "SOFTWARE" for query only, then opens or creates each further name below the previous
// key with full access, closing each parent right after. Returns a closed key on any failure.
platform::registry::Key OpenSoftwareKeyPath(std::initializer_list<std::string_view> names);

// Zero-fills buffer, then reads the value into it; true when the read succeeded. The stored
// type is not looked at.
bool ReadValue(const platform::registry::Key& key, std::string_view name,
               std::span<std::byte> buffer);

// Texts are read into a buffer of this size, so a stored text has at most 255 characters.
constexpr std::size_t kTextBufferSize = 256;
using TextBuffer = std::array<char, kTextBufferSize>;

// Reads a text value into buffer; its length up to the first zero byte (at most the buffer's
// size: a 256-byte text without terminator fills it), or nothing when the read failed.
std::optional<std::size_t> ReadText(const platform::registry::Key& key, std::string_view name,
                                    TextBuffer& buffer);

// Copies text to out (capacity bytes) with a terminating zero, cutting it to capacity - 1
// characters when longer; false when it had to be cut or capacity is 0.
bool CopyText(std::string_view text, char* out, std::size_t capacity);

}  // namespace settings
