// Velorin's option flags, the processor patch flag and the model resolution: small binary values
// of the options key.
#include <array>
#include <string_view>

#include "settings/Settings.h"
#include "settings/StoreAccess.h"

namespace {

using platform::registry::Key;
using platform::registry::ValueType;

constexpr std::string_view kAudioCapture = "Audio Capture";
constexpr std::string_view kAudioDialogue = "Audio Dialogue";
constexpr std::string_view kBackgroundSounds = "Audio BackgroundSounds";
constexpr std::string_view kHardwareAcceleration = "Graphics HardwareAcceleration";
constexpr std::string_view kInvokedByLauncher = "Invoked By Launcher";
constexpr std::string_view kBvhExport = "BVH Export";
constexpr std::string_view kModelResolution = "Graphics ModelResolution";
constexpr std::string_view kXChipPatchInstalled = "XChip Patch Installed";

// What a getter returns when the value cannot be read, and when the key cannot be opened.
struct Defaults {
    std::uint8_t ifMissing;
    std::uint8_t noKey;
};

enum class ReadResult { NoKey, Missing, Read };

// Opens the options key, reads one value into buffer (zero-filled first) and closes the key.
ReadResult ReadOption(std::string_view name, std::span<std::byte> buffer) {
    Key key = OpenOptionsKey();
    if (!key.IsOpen()) {
        return ReadResult::NoKey;
    }
    const bool read = settings::ReadValue(key, name, buffer);
    static_cast<void>(key.Close());
    return read ? ReadResult::Read : ReadResult::Missing;
}

std::uint8_t GetFlag(std::string_view name, Defaults defaults) {
    std::array<std::byte, 1> buffer;
    switch (ReadOption(name, buffer)) {
        case ReadResult::NoKey:
            return defaults.noKey;
        case ReadResult::Missing:
            return defaults.ifMissing;
        case ReadResult::Read:
            break;
    }
    return std::to_integer<std::uint8_t>(buffer[0]);
}

// The write's result is not looked at: a setter has nothing to report to.
void SetBinary(std::string_view name, std::span<const std::byte> data) {
    Key key = OpenOptionsKey();
    if (key.IsOpen()) {
        static_cast<void>(SetValue(key, name, ValueType::Binary, data));
        static_cast<void>(key.Close());
    }
}

void SetFlag(std::string_view name, std::uint8_t flag) {
    const std::array<std::byte, 1> data = {std::byte{flag}};
    SetBinary(name, data);
}

}  // namespace

void SetAudioCapture(std::uint8_t flag) {
    SetFlag(kAudioCapture, flag);
}

std::uint8_t GetAudioDialogue() {
    return GetFlag(kAudioDialogue, {.ifMissing = 1, .noKey = 0});
}
void SetAudioDialogue(std::uint8_t flag) {
    SetFlag(kAudioDialogue, flag);
}

std::uint8_t GetAudioBackgroundSounds() {
    return GetFlag(kBackgroundSounds, {.ifMissing = 1, .noKey = 0});
}
void SetAudioBackgroundSounds(std::uint8_t flag) {
    SetFlag(kBackgroundSounds, flag);
}

std::uint8_t GetHardwareAcceleration() {
    return GetFlag(kHardwareAcceleration, {.ifMissing = 0, .noKey = 0});
}
void SetHardwareAcceleration(std::uint8_t flag) {
    SetFlag(kHardwareAcceleration, flag);
}

void SetInvokedByLauncher(std::uint8_t flag) {
    SetFlag(kInvokedByLauncher, flag);
}

std::uint8_t GetBvhExport() {
    return GetFlag(kBvhExport, {.ifMissing = 1, .noKey = 1});
}
void SetBvhExport(std::uint8_t flag) {
    SetFlag(kBvhExport, flag);
}

std::uint8_t GetXChipPatchInstalled() {
    return GetFlag(kXChipPatchInstalled, {.ifMissing = 0, .noKey = 0});
}
void SetXChipPatchInstalled(std::uint8_t flag) {
    SetFlag(kXChipPatchInstalled, flag);
}

// The resolution is a 16-bit signed integer, least significant byte first; missing and no key
// both read as 0 (low).
std::int16_t GetModelResolution() {
    std::array<std::byte, 2> buffer;
    if (ReadOption(kModelResolution, buffer) != ReadResult::Read) {
        return 0;
    }
    const auto bits = static_cast<std::uint16_t>(std::to_integer<unsigned>(buffer[0]) |
                                                 std::to_integer<unsigned>(buffer[1]) << 8);
    return static_cast<std::int16_t>(bits);
}

void SetModelResolution(std::int16_t resolution) {
    const auto bits = static_cast<std::uint16_t>(resolution);
    const std::array<std::byte, 2> data = {std::byte(bits & 0xFF), std::byte(bits >> 8)};
    SetBinary(kModelResolution, data);
}
