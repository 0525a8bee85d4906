#include "platform/registry/win32/UndoJournal.h"

#include <variant>

#include "platform/registry/win32/SystemCalls.h"
#include "platform/registry/win32/TreeCopy.h"
#include "platform/registry/win32/Values.h"

namespace platform::registry {
namespace {

struct CreatedKey {
    HKEY root;
    std::string path;
};

struct PreviousValue {
    std::shared_ptr<Store> key;
    std::string name;
    std::optional<DWORD> type;  // none: the value was absent
    std::vector<std::byte> data;
};

struct DeletedTree {
    HKEY root;
    std::string path;
    TreeCopy tree;
};

using Note = std::variant<CreatedKey, PreviousValue, DeletedTree>;

// The open batch's notes; one batch at a time in a process.
struct Journal {
    std::vector<Note> notes;
    bool failed = false;
};
std::unique_ptr<Journal> g_journal;

PreviousValue ReadPrevious(const std::shared_ptr<Store>& key, std::string_view name) {
    PreviousValue previous{key, std::string(name), std::nullopt, {}};
    DWORD type = 0;
    if (ReadValue(key->handle(), name, type, previous.data) == ERROR_SUCCESS) {
        previous.type = type;
    }
    return previous;
}

void Undo(const Note& note) {
    if (const auto* created = std::get_if<CreatedKey>(&note)) {
        DeleteKeyTree(created->root, created->path);
        return;
    }
    if (const auto* deleted = std::get_if<DeletedTree>(&note)) {
        RestoreTree(deleted->root, deleted->path, deleted->tree);
        return;
    }
    const auto& previous = std::get<PreviousValue>(note);
    HKEY writable = nullptr;
    if (OpenSubKey(previous.key->root(), previous.key->path(), KEY_SET_VALUE, writable) !=
        ERROR_SUCCESS) {
        return;
    }
    if (previous.type) {
        WriteValue(writable, previous.name, *previous.type, previous.data);
    } else {
        ::RegDeleteValueW(writable, Wide(previous.name).c_str());
    }
    ::RegCloseKey(writable);
}

}  // namespace

void NoteCreatedKey(HKEY root, const std::string& path) {
    if (g_journal != nullptr) {
        g_journal->notes.push_back(CreatedKey{root, path});
    }
}

void NoteValueBefore(const std::shared_ptr<Store>& key, std::string_view name) {
    if (g_journal != nullptr) {
        g_journal->notes.push_back(ReadPrevious(key, name));
    }
}

bool NoteDeletedTree(HKEY root, const std::string& path, HKEY key) {
    if (g_journal == nullptr) {
        return true;
    }
    DeletedTree deleted{root, path, {}};
    if (!CopyTree(key, deleted.tree)) {
        return false;
    }
    g_journal->notes.push_back(std::move(deleted));
    return true;
}

void NoteFailedWrite() {
    if (g_journal != nullptr) {
        g_journal->failed = true;
    }
}

// The batch's store_ is unused on Windows: the journal is the batch's state.
WriteBatch::WriteBatch() {
    if (g_journal == nullptr) {
        g_journal = std::make_unique<Journal>();
        status_ = Status::Ok;
    }
}

WriteBatch::~WriteBatch() {
    if (status_ == Status::Ok) {
        for (auto note = g_journal->notes.rbegin(); note != g_journal->notes.rend(); ++note) {
            Undo(*note);
        }
        g_journal.reset();
    }
}

// The registry is one store: a batch on any key is the process's batch.
WriteBatch::WriteBatch(const Key&) : WriteBatch() {}

Status WriteBatch::Commit() {
    if (status_ != Status::Ok) {
        return status_;
    }
    if (g_journal->failed) {
        return Status::StoreUnavailable;  // the destructor takes the rest back
    }
    g_journal.reset();
    status_ = Status::InvalidArgument;
    return Status::Ok;
}

}  // namespace platform::registry
