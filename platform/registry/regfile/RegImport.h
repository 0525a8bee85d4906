#pragma once
// Applying the changes of a .reg text to a store: all of them in one transaction, or none.
#include <span>
#include <string>

#include "platform/registry/Registry.h"
#include "platform/registry/regfile/RegFile.h"

namespace platform::registry::regfile {

// The two roots of the store the changes go to, each opened with full access.
struct RegRoots {
    const Key& localMachine;
    const Key& classesRoot;
};

struct ImportResult {
    Status status = Status::Ok;
    // When a change failed: its line and key; nothing of the text was kept.
    int line = 0;
    std::string key = {};
    bool outOfMemory = false;  // the store's own reason is LastProblem()
};

// One change, in whatever transaction is open; deleting a key or value that is not there is no
// failure, as in the system's own import.
Status ApplyChange(const RegChange& change, const RegRoots& roots);

// Every change, each as ApplyChange; a store that cannot start the transaction (busy past its
// time-out) changes nothing, and neither does running out of memory.
ImportResult ApplyChanges(std::span<const RegChange> changes, const RegRoots& roots);

}  // namespace platform::registry::regfile
