#pragma once
// Full key names as people write them: a root, long or short, then the path ("HKLM\SOFTWARE\X").
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry/Registry.h"

namespace platform::registry::regfile {

struct KeyName {
    platform::registry::Root root;
    std::string path;  // below the root; empty for the root itself

    // The name with the root written long, as exports write it.
    std::string Full() const;
};

// Nothing when the root is not one of HKEY_LOCAL_MACHINE, HKLM, HKEY_CLASSES_ROOT or HKCR (in any
// letter case).
std::optional<KeyName> ParseKeyName(std::string_view text);

}  // namespace platform::registry::regfile
