#include "tests/platform/registry/RegistryTestSupport.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace platform::registry::test {

std::vector<std::byte> Bytes(std::string_view text) {
    const auto bytes = std::as_bytes(std::span(text));
    return {bytes.begin(), bytes.end()};
}

std::string Text(const std::byte* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

std::string Text(const std::vector<std::byte>& data) {
    return Text(data.data(), data.size());
}

bool Write(Root root, std::string_view path, std::string_view name, ValueType type,
           std::string_view data) {
    Key key;
    return CreateKey(root, path, key) == Status::Ok &&
           SetValue(key, name, type, std::as_bytes(std::span(data))) == Status::Ok;
}

std::optional<std::vector<std::byte>> ReadBack(Root root, std::string_view path,
                                               std::string_view name) {
    Key key;
    ValueInfo info;
    if (OpenKey(root, path, Access::Read, key) != Status::Ok ||
        QueryValue(key, name, {}, info) == Status::NotFound) {
        return std::nullopt;
    }
    std::vector<std::byte> data(info.size);
    if (QueryValue(key, name, data, info) != Status::Ok) {
        return std::nullopt;
    }
    return data;
}

std::optional<ValueType> TypeOf(Root root, std::string_view path, std::string_view name) {
    Key key;
    ValueInfo info;
    if (OpenKey(root, path, Access::Read, key) != Status::Ok) {
        return std::nullopt;
    }
    const Status status = QueryValue(key, name, {}, info);
    if (status != Status::Ok && status != Status::MoreData) {
        return std::nullopt;
    }
    return info.type;
}

bool KeyExists(Root root, std::string_view path) {
    Key key;
    return OpenKey(root, path, Access::QueryValue, key) == Status::Ok;
}

std::string WriterData(long long index, std::size_t size) {
    std::string data = std::to_string(index) + ':';
    data.resize(std::max(size, data.size()), static_cast<char>('a' + index % 26));
    return data.substr(0, size);
}

std::vector<long long> FileStates(const std::string& storePath) {
    std::vector<long long> states;
    for (const std::string& path : {storePath, storePath + "-wal"}) {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        const auto modified = std::filesystem::last_write_time(path, error);
        if (!error) {
            states.push_back(static_cast<long long>(size));
            states.push_back(modified.time_since_epoch().count());
        }
    }
    return states;
}

std::string Utf16(std::string_view text) {
    std::string out = "\xFF\xFE";
    const auto unit = [&out](std::uint32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        std::uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        i += 1 + extra;
        if (code == '\n') {
            unit('\r');
        }
        if (code >= 0x10000) {
            unit(0xD800 + ((code - 0x10000) >> 10));
            unit(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            unit(code);
        }
    }
    return out;
}

}  // namespace platform::registry::test
