#include "audiotest/CSeTestDlg.h"

#include <cstring>
#include <span>
#include <string_view>

#include "platform/debug/DebugOutput.h"

namespace registry = platform::registry;

namespace {

constexpr std::string_view kShellKey = "AudioCD\\shell";
constexpr std::string_view kDefaultValue = "";  // the key's unnamed value
// The verb a fresh system holds: what a blank saved verb stands for.
constexpr const char* kSystemAutoplay = "play";

void Debug(std::string_view text) {
    platform::debug::OutputDebugText(text);
}

}  // namespace

CSeTestDlg::CSeTestDlg() {
    savedAutoplay[0] = '\0';
    replacementAutoplay[0] = '\0';
}

void CSeTestDlg::SuspendAutoplay() {
    unreadableOriginal_ = UnreadableOriginal();
    ReadAutoplayString(savedAutoplay);
    WriteAutoplayString(replacementAutoplay);
}

// A value the 80-byte buffer cannot hold, or no value at all, is put back as it was: blanking
// it must not destroy the user's setting. A blank verb is what the guard itself writes: saved, it
// was left by a test that never finished (a crash), and written back it would stay for good, so
// the system's verb takes its place.
void CSeTestDlg::RestoreAutoplay() {
    if (unreadableOriginal_.has_value()) {
        PutBack(*unreadableOriginal_);
        return;
    }
    WriteAutoplayString(savedAutoplay[0] != '\0' ? savedAutoplay : kSystemAutoplay);
}

void CSeTestDlg::ReadAutoplayString(char* autoplayBuffer) {
    registry::Key key;
    if (registry::OpenKey(registry::Root::ClassesRoot, kShellKey, registry::Access::Read, key) !=
        registry::Status::Ok) {
        Debug("CSeTestDlg::ReadAutoplayString - Error opening key...\n");
        return;
    }
    registry::ValueInfo info;
    const auto buffer = std::as_writable_bytes(std::span(autoplayBuffer, kAutoplayChars));
    if (registry::QueryValue(key, kDefaultValue, buffer, info) != registry::Status::Ok) {
        Debug("CSeTestDlg::ReadAutoplayString - Error reading key...\n");
        return;
    }
    // A stored text need not end in a zero.
    autoplayBuffer[info.size < kAutoplayChars ? info.size : kAutoplayChars - 1] = '\0';
}

void CSeTestDlg::WriteAutoplayString(const char* value) {
    registry::Key key;
    if (registry::OpenKey(registry::Root::ClassesRoot, kShellKey, registry::Access::Write, key) !=
        registry::Status::Ok) {
        Debug("CSeTestDlg::WriteAutoplayString - Error opening key...\n");
        return;
    }
    const auto data = std::as_bytes(std::span(value, std::strlen(value) + 1));
    if (registry::SetValue(key, kDefaultValue, registry::ValueType::String, data) !=
        registry::Status::Ok) {
        Debug("CSeTestDlg::WriteAutoplayString - Error writing key...\n");
        static_cast<void>(key.Close());
        return;
    }
    if (key.Close() != registry::Status::Ok) {
        Debug("CSeTestDlg::WriteAutoplayString - Error closing key...\n");
    }
}

std::optional<CSeTestDlg::Original> CSeTestDlg::UnreadableOriginal() {
    registry::Key key;
    if (registry::OpenKey(registry::Root::ClassesRoot, kShellKey, registry::Access::Read, key) !=
        registry::Status::Ok) {
        return std::nullopt;  // no key: nothing is changed, nothing to put back
    }
    std::vector<registry::NamedValue> values;
    if (registry::ListValues(key, values) != registry::Status::Ok) {
        return std::nullopt;
    }
    for (registry::NamedValue& value : values) {
        if (value.name.empty()) {
            if (value.data.size() < kAutoplayChars) {
                return std::nullopt;  // the ordinary read carries it
            }
            return Original{true, value.type, std::move(value.data)};
        }
    }
    return Original{};
}

void CSeTestDlg::PutBack(const Original& original) {
    registry::Key key;
    if (registry::OpenKey(registry::Root::ClassesRoot, kShellKey, registry::Access::Write, key) !=
        registry::Status::Ok) {
        Debug("CSeTestDlg::WriteAutoplayString - Error opening key...\n");
        return;
    }
    const registry::Status status =
        original.present ? registry::SetValue(key, kDefaultValue, original.type, original.data)
                         : registry::DeleteValue(key, kDefaultValue);
    if (status != registry::Status::Ok) {
        Debug("CSeTestDlg::WriteAutoplayString - Error writing key...\n");
    }
}
