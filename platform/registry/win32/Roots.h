#pragma once
// The two roots the layer works on. Unset, VELORIN_REGISTRY leaves them the machine's own
// HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT. Set, it names a key below HKEY_CURRENT_USER whose
// subkeys HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT stand in for them: tests get a registry of
// their own that the programs they start share, made on first use with what a fresh Windows has.
#include <windows.h>

#include <string>

#include "platform/registry/Registry.h"

namespace platform::registry {

// The root key for root, or null (with the reason in problem) when it cannot be reached.
HKEY RootKey(Root root, std::string* problem = nullptr);

// The layer's status for a registry error code.
Status StatusOf(LSTATUS code);

}  // namespace platform::registry
