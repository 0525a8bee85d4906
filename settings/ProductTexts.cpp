// The texts of the product key: Velorin's speed value and the names of the files it exported.
#include <string_view>

#include "settings/Settings.h"
#include "settings/StoreAccess.h"

namespace {

using platform::registry::Key;
using platform::registry::ValueType;

constexpr std::string_view kSpeed = "FPS";
constexpr std::string_view kSpeedTestRequest = "TEST SPEED";
constexpr std::string_view kExportedDance = "VelorinExportedDance";
constexpr std::string_view kExportedDanceForAvi = "VelorinExportedDanceForAVI";
constexpr std::string_view kExportedMix = "VelorinExportedMix";
constexpr std::string_view kLastExportedWav = "BlendoraLastExportedWav";

// A text of fewer characters counts as absent: clearing writes an empty one.
constexpr std::size_t kShortestText = 2;

// What reading one text of the product key found: no key, or the text's length when it was read.
struct ProductText {
    bool keyOpened = false;
    std::optional<std::size_t> length;
};

ProductText ReadProductText(std::string_view name, settings::TextBuffer& buffer) {
    Key key = OpenProductKey();
    if (!key.IsOpen()) {
        return {};
    }
    ProductText text{.keyOpened = true, .length = settings::ReadText(key, name, buffer)};
    static_cast<void>(key.Close());
    return text;
}

// Copies the value to out (capacity bytes; none for a presence test). A text that fills the
// whole reading buffer without a terminating zero names no file the caller could be handed whole,
// so it counts as absent; a shorter text too long for a smaller out is cut to fit.
bool GetText(std::string_view name, char* out, std::size_t capacity) {
    settings::TextBuffer buffer;
    const std::optional<std::size_t> length = ReadProductText(name, buffer).length;
    if (!length || *length < kShortestText || *length == buffer.size()) {
        return false;
    }
    if (out != nullptr && capacity == 0) {
        return false;  // not even room for the terminating zero
    }
    if (out != nullptr) {
        settings::CopyText(std::string_view(buffer.data(), *length), out, capacity);
    }
    return true;
}

void SetText(std::string_view name, std::string_view text) {
    Key key = OpenProductKey();
    if (key.IsOpen()) {
        static_cast<void>(SetValue(key, name, ValueType::String, std::as_bytes(std::span(text))));
        static_cast<void>(key.Close());
    }
}

}  // namespace

void RequestSpeedTest() {
    SetText(kSpeed, kSpeedTestRequest);
}

bool IsSpeedTestPending() {
    settings::TextBuffer buffer;
    const auto [keyOpened, length] = ReadProductText(kSpeed, buffer);
    if (!keyOpened) {
        return false;
    }
    if (!length) {
        return true;  // Velorin has never stored a speed: the computer was never analysed
    }
    if (*length < kShortestText) {
        return false;
    }
    return std::string_view(buffer.data(), *length) == kSpeedTestRequest;
}

// The caller's buffer holds 256 bytes, like the reading buffer.
bool GetExportedDance(char* buffer) {
    return GetText(kExportedDance, buffer, settings::kTextBufferSize);
}
void ClearExportedDance() {
    SetText(kExportedDance, {});
}

bool GetExportedDanceForAvi(char* buffer, std::uint16_t capacity) {
    return GetText(kExportedDanceForAvi, buffer, capacity);
}
void ClearExportedDanceForAvi() {
    SetText(kExportedDanceForAvi, {});
}

bool GetExportedMix(char* buffer) {
    return GetText(kExportedMix, buffer, settings::kTextBufferSize);
}
void ClearExportedMix() {
    SetText(kExportedMix, {});
}

bool HasLastExportedWav() {
    return GetText(kLastExportedWav, nullptr, 0);
}
