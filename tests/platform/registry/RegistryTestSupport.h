#pragma once
// Helpers shared by the tests of the registry layer and of the code built on it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

namespace platform::registry::test {

std::vector<std::byte> Bytes(std::string_view text);
std::string Text(const std::byte* data, std::size_t size);
std::string Text(const std::vector<std::byte>& data);

// Writes a value through the layer, creating its key; false when the write failed.
bool Write(Root root, std::string_view path, std::string_view name, ValueType type,
           std::string_view data);
// The value's bytes, or nothing when it cannot be read.
std::optional<std::vector<std::byte>> ReadBack(Root root, std::string_view path,
                                               std::string_view name);
// The stored type, or nothing when the value cannot be read.
std::optional<ValueType> TypeOf(Root root, std::string_view path, std::string_view name);
bool KeyExists(Root root, std::string_view path);

// Where the registry_writer helper writes, and what it writes for value number index.
inline constexpr std::string_view kWriterKey = "SOFTWARE\\Writer";
std::string WriterData(long long index, std::size_t size);

// Size and modification time of the store file and its write-ahead log.
std::vector<long long> FileStates(const std::string& storePath);
// UTF-8 text as the system's registry editor saves it: UTF-16 LE after a byte-order mark, lines
// ending in CR LF.
std::string Utf16(std::string_view text);

}  // namespace platform::registry::test
