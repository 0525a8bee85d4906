#include "platform/registry/regfile/RegImport.h"

#include <new>

namespace platform::registry::regfile {
namespace {

Status IgnoringAbsence(Status status) {
    return status == Status::NotFound ? Status::Ok : status;
}

Status Apply(const RegChange& change, const Key& root) {
    Key key;
    const std::string& path = change.key.path;
    switch (change.kind) {
        case RegChange::Kind::CreateKey:
            return CreateKey(root, path, key);
        case RegChange::Kind::DeleteKey:
            return IgnoringAbsence(DeleteKey(root, path));
        case RegChange::Kind::SetValue: {
            const Status status = CreateKey(root, path, key);
            return status == Status::Ok ? SetValue(key, change.name, change.type, change.data)
                                        : status;
        }
        case RegChange::Kind::DeleteValue:
            break;
    }
    const Status status = OpenKey(root, path, Access::Write, key);
    return IgnoringAbsence(status == Status::Ok ? DeleteValue(key, change.name) : status);
}

}  // namespace

Status ApplyChange(const RegChange& change, const RegRoots& roots) {
    return Apply(change,
                 change.key.root == Root::LocalMachine ? roots.localMachine : roots.classesRoot);
}

namespace {

ImportResult ApplyInOneBatch(std::span<const RegChange> changes, const RegRoots& roots,
                             const RegChange*& current) {
    WriteBatch batch(roots.localMachine);
    if (batch.status() != Status::Ok) {
        return {batch.status()};
    }
    for (const RegChange& change : changes) {
        current = &change;
        if (const Status status = ApplyChange(change, roots); status != Status::Ok) {
            return {status, change.line, change.key.Full()};
        }
    }
    current = nullptr;
    return {batch.Commit()};
}

}  // namespace

// The batch is dropped, and with it every change, before the failure is reported.
ImportResult ApplyChanges(std::span<const RegChange> changes, const RegRoots& roots) {
    const RegChange* current = nullptr;
    try {
        return ApplyInOneBatch(changes, roots, current);
    } catch (const std::bad_alloc&) {
        return {Status::StoreUnavailable, current != nullptr ? current->line : 0, {}, true};
    }
}

}  // namespace platform::registry::regfile
