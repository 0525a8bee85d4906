#pragma once
// What installed packages want in every new store. A package cannot write each user's store, so
// it leaves .reg files in velorin/registry.d/ under a folder of $XDG_DATA_DIRS (default
// /usr/local/share:/usr/share), and a store made afresh imports them.
#include <memory>

#include "platform/registry/linux/Store.h"

namespace platform::registry {

// Imports the files in name order (a name found in an earlier folder of $XDG_DATA_DIRS hides the
// same name in a later one, so a local file can replace a package's) into store, each in one
// transaction; a file that is malformed or cannot be applied changes nothing, is reported in one
// line of debug output and skipped.
void ImportDefaults(const std::shared_ptr<Store>& store);

}  // namespace platform::registry
