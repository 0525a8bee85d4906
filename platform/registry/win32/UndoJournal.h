#pragma once
// What a write batch needs to take its writes back: the registry has no transactions, so while a
// batch is open every write first notes how to undo itself, and a batch dropped without Commit
// (or with a failed write) replays the notes backwards.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "platform/registry/win32/Store.h"

namespace platform::registry {

// Notes that the key at path below root did not exist before (no batch open: nothing happens).
void NoteCreatedKey(HKEY root, const std::string& path);
// Notes the value name of key as it is now, before a write or delete changes it.
void NoteValueBefore(const std::shared_ptr<Store>& key, std::string_view name);
// Notes the tree at path below root (open as key) before it is deleted; false when it cannot be
// copied, and the deletion must then not happen.
bool NoteDeletedTree(HKEY root, const std::string& path, HKEY key);
// Notes a write that failed: the open batch can then only be taken back.
void NoteFailedWrite();

}  // namespace platform::registry
