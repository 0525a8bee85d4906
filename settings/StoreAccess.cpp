#include "settings/StoreAccess.h"

#include <algorithm>
#include <cstring>

namespace settings {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Root;
using platform::registry::Status;

Key OpenSoftwareKeyPath(std::initializer_list<std::string_view> names) {
    Key key;
    if (OpenKey(Root::LocalMachine, "SOFTWARE", Access::QueryValue, key) != Status::Ok) {
        return Key();
    }
    for (std::string_view name : names) {
        Key child;
        const Status status = CreateKey(key, name, child);
        key = std::move(child);  // the parent is closed whether or not the step succeeded
        if (status != Status::Ok) {
            return Key();
        }
    }
    return key;
}

bool ReadValue(const Key& key, std::string_view name, std::span<std::byte> buffer) {
    std::fill(buffer.begin(), buffer.end(), std::byte{0});
    platform::registry::ValueInfo info;
    return QueryValue(key, name, buffer, info) == Status::Ok;
}

std::optional<std::size_t> ReadText(const Key& key, std::string_view name, TextBuffer& buffer) {
    if (!ReadValue(key, name, std::as_writable_bytes(std::span(buffer)))) {
        return std::nullopt;
    }
    return ::strnlen(buffer.data(), buffer.size());
}

bool CopyText(std::string_view text, char* out, std::size_t capacity) {
    if (capacity == 0) {
        return false;
    }
    const std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
    return length == text.size();
}

}  // namespace settings

platform::registry::Key OpenOptionsKey() {
    return settings::OpenSoftwareKeyPath({"Tessaly", "Velorin", "Options"});
}

platform::registry::Key OpenProductKey() {
    return settings::OpenSoftwareKeyPath({"Tessaly", "Velorin"});
}
