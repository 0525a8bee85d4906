#pragma once
// A key's whole tree held in memory, so that a write batch can put back a tree it deleted.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace platform::registry {

struct TreeCopy {
    struct Value {
        std::string name;
        DWORD type = REG_BINARY;
        std::vector<std::byte> data;
    };
    std::vector<Value> values;
    std::vector<std::pair<std::string, TreeCopy>> subKeys;
};

// The values and subkeys below key (opened with read access); false when some could not be read.
bool CopyTree(HKEY key, TreeCopy& out);
// Makes the key at path below root hold the copied tree again.
void RestoreTree(HKEY root, const std::string& path, const TreeCopy& tree);

}  // namespace platform::registry
