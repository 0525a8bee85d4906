// The mixing tool's installation folder, recorded by its own installer as the default value of
// its "Path" key.
#include "settings/Settings.h"
#include "settings/StoreAccess.h"

bool GetMixingToolPath(char* buffer, std::uint16_t capacity) {
    if (buffer == nullptr) {
        return false;
    }
    platform::registry::Key key = settings::OpenSoftwareKeyPath(
        {"Blendora Technologies, Inc.", "Blendora Studio VL", "Path"});
    if (!key.IsOpen()) {
        return false;
    }
    settings::TextBuffer text;
    const std::optional<std::size_t> length = settings::ReadText(key, "", text);
    static_cast<void>(key.Close());
    // A cut path names no folder: it counts as not found.
    return length && settings::CopyText(std::string_view(text.data(), *length), buffer, capacity);
}
