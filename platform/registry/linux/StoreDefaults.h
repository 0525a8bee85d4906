#pragma once
// What installed packages want in every store. A package cannot write each user's store, so it
// leaves .reg files in velorin/registry.d/ under a folder of $XDG_DATA_DIRS (default
// /usr/local/share:/usr/share), and each store takes in each file once, whenever the store is
// opened after the file was installed.
#include <memory>

#include "platform/registry/linux/Store.h"

namespace platform::registry {

// Applies the files in name order (a name found in an earlier folder of $XDG_DATA_DIRS hides the
// same name in a later one, so a local file can replace a package's) to a store this process may
// write, each in one transaction. The store records what it took in, by file name and content
// digest, and per value: a file already taken in is skipped, and when a file's content changes,
// only what the user has not changed or deleted since follows it. A file that is malformed or
// cannot be applied changes nothing, is reported in one line of debug output and tried again at
// the next open.
void ImportDefaults(const std::shared_ptr<Store>& store);

}  // namespace platform::registry
