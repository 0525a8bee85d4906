#include "platform/registry/linux/StoreDefaults.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/debug/DebugOutput.h"
#include "platform/registry/regfile/RegImport.h"

namespace platform::registry {
namespace {

constexpr std::string_view kDefaultDataFolders = "/usr/local/share:/usr/share";
constexpr std::string_view kDropInFolder = "velorin/registry.d";
// Drop-in files are a few lines; anything this large is not one.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{16} << 20;

// What a record says of an item: absent, a key that is there, or a value's content digest.
constexpr std::string_view kAbsent = "-";
constexpr std::string_view kKeyThere = "key";

std::vector<std::string> DataFolders() {
    const char* set = std::getenv("XDG_DATA_DIRS");
    std::string_view list = set && *set ? std::string_view(set) : kDefaultDataFolders;
    std::vector<std::string> folders;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view folder = list.substr(0, colon);
        // Relative entries are invalid by the XDG base directory rules.
        if (folder.starts_with('/')) {
            folders.emplace_back(folder);
        }
        list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
    }
    return folders;
}

// File name -> path, in name order.
std::map<std::string, std::string> DefaultFiles() {
    std::map<std::string, std::string> byName;
    for (const std::string& folder : DataFolders()) {
        std::error_code error;
        const std::filesystem::path dropIns = std::filesystem::path(folder) / kDropInFolder;
        for (const auto& entry : std::filesystem::directory_iterator(dropIns, error)) {
            const std::filesystem::path& path = entry.path();
            if (path.extension() == ".reg" && entry.is_regular_file(error)) {
                byName.try_emplace(path.filename().string(), path.string());
            }
        }
    }
    return byName;
}

void Report(const std::string& file, int line, const std::string& problem) {
    debug::OutputDebugText("Registry defaults - " + file + ":" + std::to_string(line) + ": " +
                           problem + "; file skipped\n");
}

// 64-bit FNV-1a: a change detector for files and values, stable across builds and machines.
class Digest {
  public:
    Digest& Add(std::string_view bytes) {
        for (const char c : bytes) {
            hash_ = (hash_ ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
        }
        return *this;
    }
    std::string Hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

  private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

std::string ValueDigest(ValueType type, std::span<const std::byte> data) {
    const auto number = static_cast<std::uint32_t>(type);
    return Digest()
        .Add(std::to_string(number) + ":")
        .Add({reinterpret_cast<const char*>(data.data()), data.size()})
        .Hex();
}

// What the store holds in the change's place: kAbsent, kKeyThere or the value's digest.
std::string CurrentState(const regfile::RegChange& change, const regfile::RegRoots& roots) {
    const Key& root =
        change.key.root == Root::LocalMachine ? roots.localMachine : roots.classesRoot;
    Key key;
    if (OpenKey(root, change.key.path, Access::Read, key) != Status::Ok) {
        return std::string(kAbsent);
    }
    using Kind = regfile::RegChange::Kind;
    if (change.kind == Kind::CreateKey || change.kind == Kind::DeleteKey) {
        return std::string(kKeyThere);
    }
    ValueInfo info;
    std::vector<std::byte> data;
    Status status = QueryValue(key, change.name, data, info);
    if (status == Status::MoreData) {
        data.resize(info.size);
        status = QueryValue(key, change.name, data, info);
    }
    return status == Status::Ok ? ValueDigest(info.type, {data.data(), info.size})
                                : std::string(kAbsent);
}

// What the change leaves in its place, in CurrentState's terms.
std::string WantedState(const regfile::RegChange& change) {
    using Kind = regfile::RegChange::Kind;
    switch (change.kind) {
        case Kind::CreateKey:
            return std::string(kKeyThere);
        case Kind::SetValue:
            return ValueDigest(change.type, change.data);
        case Kind::DeleteKey:
        case Kind::DeleteValue:
            break;
    }
    return std::string(kAbsent);
}

// The record's name for the place a change acts on: the key's full name, and for a value the
// value's name after a line break (which no key name holds). The whole file is the empty item.
std::string Item(const regfile::RegChange& change) {
    using Kind = regfile::RegChange::Kind;
    const bool value = change.kind == Kind::SetValue || change.kind == Kind::DeleteValue;
    return value ? change.key.Full() + "\n" + change.name : change.key.Full();
}

// The store's record of the defaults it took in: per file, the file's digest (item "") and what
// each change left in its place.
class Record {
  public:
    // Before any file was taken in the table is missing, and so is every record.
    explicit Record(sqlite3* db) : db_(db), select_(db, kSelect) {}

    std::optional<std::string> Find(const std::string& file, const std::string& item) {
        if (!select_.ok()) {
            return std::nullopt;
        }
        auto use = select_.Start();
        if (use.Bind(file).Bind(item).Step() != SQLITE_ROW) {
            return std::nullopt;
        }
        return std::string(use.Text(0));
    }

    // Inside the file's transaction, so that the table comes and goes with the file's changes.
    bool Prepare() {
        const bool made =
            sqlite3_exec(db_,
                         "CREATE TABLE IF NOT EXISTS registry_defaults("
                         "file TEXT NOT NULL, item TEXT NOT NULL COLLATE NOCASE, "
                         "digest TEXT NOT NULL, PRIMARY KEY(file, item)) WITHOUT ROWID",
                         nullptr, nullptr, nullptr) == SQLITE_OK;
        if (!select_.ok()) {
            select_ = Statement(db_, kSelect);
        }
        if (!upsert_.ok()) {
            upsert_ = Statement(db_,
                                "INSERT INTO registry_defaults(file, item, digest) VALUES(?, ?, ?) "
                                "ON CONFLICT(file, item) DO UPDATE SET digest = excluded.digest");
        }
        return made && select_.ok() && upsert_.ok();
    }

    bool Note(const std::string& file, const std::string& item, const std::string& digest) {
        auto use = upsert_.Start();
        return use.Bind(file).Bind(item).Bind(digest).Step() == SQLITE_DONE;
    }

  private:
    static constexpr const char* kSelect =
        "SELECT digest FROM registry_defaults WHERE file = ? AND item = ?";

    sqlite3* db_;
    Statement select_;
    Statement upsert_;
};

std::optional<std::string> ReadWhole(const std::string& path) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kMaxFileBytes || error) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? std::optional(text.str()) : std::nullopt;
}

struct FileDefaults {
    const std::string& name;
    const std::string& path;
    std::string digest;
    std::vector<regfile::RegChange> changes;
};

// A change is made where nothing was recorded for its place yet, or where the store still holds
// what the file's earlier content left there: what the user changed or deleted since stays so.
// False, with the problem reported, when a change failed.
bool ApplyNew(const FileDefaults& file, Record& record, const regfile::RegRoots& roots) {
    for (const regfile::RegChange& change : file.changes) {
        const std::string item = Item(change);
        const std::string wanted = WantedState(change);
        const std::optional<std::string> earlier = record.Find(file.name, item);
        if (earlier == wanted) {
            continue;
        }
        if (!earlier || *earlier == CurrentState(change, roots)) {
            const Status status = regfile::ApplyChange(change, roots);
            if (status != Status::Ok) {
                Report(file.path, change.line,
                       change.key.Full() + ": " +
                           (status == Status::StoreUnavailable ? LastProblem() : "not a key name"));
                return false;
            }
        }
        if (!record.Note(file.name, item, wanted)) {
            Report(file.path, change.line, "the store's record cannot be written");
            return false;
        }
    }
    return true;
}

void TakeIn(const FileDefaults& file, Record& record, const regfile::RegRoots& roots) {
    WriteBatch batch(roots.localMachine);
    if (batch.status() != Status::Ok) {
        Report(file.path, 0, LastProblem());
        return;
    }
    if (!record.Prepare()) {
        Report(file.path, 0, "the store's record cannot be written");
        return;
    }
    // Another program may have taken it in while this one waited for the transaction.
    if (record.Find(file.name, "") == file.digest) {
        return;
    }
    if (ApplyNew(file, record, roots) && record.Note(file.name, "", file.digest) &&
        batch.Commit() != Status::Ok) {
        Report(file.path, 0, LastProblem());
    }
}

void ImportFile(const std::string& name, const std::string& path, Record& record,
                const regfile::RegRoots& roots) {
    const std::optional<std::string> text = ReadWhole(path);
    if (!text) {
        Report(path, 0, "cannot be read");
        return;
    }
    std::string digest = Digest().Add(*text).Hex();
    if (record.Find(name, "") == digest) {
        return;
    }
    std::istringstream in(*text);
    regfile::RegFileContents contents = regfile::ParseRegFile(in);
    if (contents.badLine != 0) {
        Report(path, contents.badLine, contents.problem);
        return;
    }
    TakeIn({name, path, std::move(digest), std::move(contents.changes)}, record, roots);
}

}  // namespace

void ImportDefaults(const std::shared_ptr<Store>& store) {
    const Key localMachine(store, kLocalMachineId, Access::All);
    const Key classesRoot(store, kClassesRootId, Access::All);
    const regfile::RegRoots roots{localMachine, classesRoot};
    Record record(store->Database());
    for (const auto& [name, path] : DefaultFiles()) {
        // A file too large to hold is skipped like a malformed one; the launcher starts all the
        // same.
        try {
            ImportFile(name, path, record, roots);
        } catch (const std::bad_alloc&) {
            Report(path, 0, "out of memory");
        }
    }
}

}  // namespace platform::registry
