// Opening and creating the store file. A new store is built under a temporary name, given the
// defaults that installed packages provide (an existing one takes in those installed since at each
// open), and moved into place without replacing anything, so a
// crash never leaves a half-made store behind and a file that is already there (ours or not) is
// never overwritten.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/registry/linux/Store.h"
#include "platform/registry/linux/StoreDefaults.h"

namespace platform::registry {
namespace {

// Marks the file as ours ("VLRG"); a database without it is some other program's.
constexpr int kApplicationId = 0x564C5247;
constexpr int kSchemaVersion = 1;
// How long a writer waits for another process's transaction before giving up.
constexpr int kBusyTimeoutMs = 5000;

// The roots, and the keys and value a freshly installed system has. "play" is stored with its
// terminating zero, as the system writes its own texts.
constexpr const char* kTables = R"sql(
BEGIN;
CREATE TABLE keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    UNIQUE(parent, name));
CREATE TABLE vals(
    key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    PRIMARY KEY(key, name)) WITHOUT ROWID;
INSERT INTO keys(id, parent, name) VALUES
    (1, NULL, 'HKEY_LOCAL_MACHINE'), (2, NULL, 'HKEY_CLASSES_ROOT'),
    (3, 1, 'SOFTWARE'), (4, 2, 'AudioCD'), (5, 4, 'shell');
INSERT INTO vals(key, name, type, data) VALUES (5, '', 1, x'706C617900');
COMMIT;
)sql";
// A WAL header without frames; anything longer holds changes.
constexpr long long kWalHeaderBytes = 32;

std::string SchemaScript() {
    return "PRAGMA application_id = " + std::to_string(kApplicationId) +
           "; PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";" + kTables;
}

std::string SqliteProblem(const std::string& path, sqlite3* db) {
    return path + ": " + SqliteCause(db);
}

int AsciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

// Key and value names are counted strings, compared with ASCII letters in either case as one.
// SQLite's own NOCASE stops at a zero byte, which would make names that differ after one the same
// name; this one orders every other pair of names as it does, so existing indexes stay valid.
int CompareNames(void* /*unused*/, int leftSize, const void* left, int rightSize,
                 const void* right) {
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (int i = 0; i < std::min(leftSize, rightSize); ++i) {
        if (const int difference = AsciiLower(a[i]) - AsciiLower(b[i]); difference != 0) {
            return difference;
        }
    }
    return leftSize - rightSize;
}

Connection OpenConnection(const std::string& path, int flags, std::string& problem) {
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &raw, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    Connection db(raw);
    if (rc == SQLITE_OK) {
        rc =
            sqlite3_create_collation_v2(raw, "NOCASE", SQLITE_UTF8, nullptr, CompareNames, nullptr);
    }
    if (rc != SQLITE_OK) {
        problem = SqliteProblem(path, raw);
        return nullptr;
    }
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    sqlite3_extended_result_codes(raw, 1);
    return db;
}

int PragmaInt(sqlite3* db, const char* sql, bool& ok) {
    Statement pragma(db, sql);
    auto use = pragma.Start();
    ok = pragma.ok() && use.Step() == SQLITE_ROW;
    return ok ? static_cast<int>(use.Int(0)) : 0;
}

bool Run(sqlite3* db, const std::string& sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Sets one pragma and reads it back: a setting that did not take (the store was busy) fails the
// open rather than leaving a connection without it.
bool Setting(sqlite3* db, const std::string& path, const char* name, const char* value,
             std::string_view expected, std::string& problem) {
    const std::string set = std::string("PRAGMA ") + name + " = " + value;
    const std::string get = std::string("PRAGMA ") + name;
    if (Run(db, set)) {
        Statement pragma(db, get);
        auto use = pragma.Start();
        if (pragma.ok() && use.Step() == SQLITE_ROW && use.Text(0) == expected) {
            return true;
        }
    }
    problem = path + ": " + name + " could not be set: " + SqliteCause(db);
    return false;
}

// Durable writes, and sub-keys and values that go with their key. A store that is only read
// keeps the journal it has.
bool Configure(sqlite3* db, const std::string& path, bool writable, std::string& problem) {
    return (!writable || Setting(db, path, "journal_mode", "WAL", "wal", problem)) &&
           Setting(db, path, "synchronous", "FULL", "2", problem) &&
           Setting(db, path, "foreign_keys", "ON", "1", problem);
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Moves from to to unless to exists; true also when another process created to first.
bool MoveIntoPlace(const std::string& from, const std::string& to, std::string& problem) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ||
        errno == EEXIST) {
        return true;
    }
    if (errno == EINVAL || errno == ENOSYS) {  // a file system without RENAME_NOREPLACE
        if (::link(from.c_str(), to.c_str()) == 0 || errno == EEXIST) {
            return true;
        }
    }
    problem = to + ": " + std::strerror(errno);
    return false;
}

// The tables and the defaults, in a rollback journal: the file is complete on its own when the
// connection closes.
bool FillFresh(const std::string& temp, const std::string& path, std::string& problem) {
    Connection db = OpenConnection(temp, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, problem);
    if (!db) {
        return false;
    }
    if (!Run(db.get(), SchemaScript())) {
        problem = SqliteProblem(path, db.get());
        return false;
    }
    if (!Configure(db.get(), path, false, problem)) {
        return false;
    }
    auto store = std::make_shared<Store>(std::move(db), temp);
    ImportDefaults(store);
    return true;
}

bool SwitchToWal(const std::string& temp, const std::string& path, std::string& problem) {
    Connection db = OpenConnection(temp, SQLITE_OPEN_READWRITE, problem);
    return db && Setting(db.get(), path, "journal_mode", "WAL", "wal", problem);
}

// A creation that was killed leaves its temporary store and journal behind; those of processes
// that no longer run go before the next creation.
void RemoveAbandoned(const std::string& path) {
    const std::filesystem::path store(path);
    const std::string prefix = store.filename().string() + ".new-";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(
             store.parent_path().empty() ? "." : store.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix)) {
            continue;
        }
        const std::size_t end =
            std::min(name.find_first_not_of("0123456789", prefix.size()), name.size());
        const std::string_view suffix = std::string_view(name).substr(end);
        const std::size_t digits = end - prefix.size();
        if (digits == 0 || digits > 9 ||
            (suffix != "" && suffix != "-journal" && suffix != "-wal" && suffix != "-shm")) {
            continue;
        }
        const pid_t pid = std::stoi(name.substr(prefix.size(), digits));
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) {
            ::unlink(entry.path().c_str());
        }
    }
}

bool CreateFresh(const std::string& path, std::string& problem) {
    RemoveAbandoned(path);
    const std::string temp = path + ".new-" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    const bool made = FillFresh(temp, path, problem) && SwitchToWal(temp, path, problem) &&
                      MoveIntoPlace(temp, path, problem);
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        ::unlink((temp + suffix).c_str());
    }
    SyncFolder(std::filesystem::path(path).parent_path());
    return made;
}

// Checks that db is one of our stores before anything is written to it.
bool IsOurStore(sqlite3* db, const std::string& path, std::string& problem) {
    bool ok = false;
    const int id = PragmaInt(db, "PRAGMA application_id", ok);
    if (!ok) {
        problem = SqliteProblem(path, db);
        return false;
    }
    const int version = PragmaInt(db, "PRAGMA user_version", ok);
    if (id != kApplicationId || !ok) {
        problem = path + ": not a registry store";
        return false;
    }
    if (version != kSchemaVersion) {
        problem = path + ": a registry store of another version (" + std::to_string(version) + ")";
        return false;
    }
    return true;
}

bool PrepareFolder(const std::string& path, std::string& problem) {
    if (path.empty()) {
        problem = "no store path: set VELORIN_REGISTRY or HOME";
        return false;
    }
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        std::filesystem::create_directories(folder, error);
        if (error) {
            problem = folder.string() + ": " + error.message();
            return false;
        }
    }
    return true;
}

// The file name as an SQLite URI path: '%', '?' and '#' would otherwise end or change it.
std::string UriPath(const std::string& path) {
    std::string uri;
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    return uri;
}

long long FileSize(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : 0;
}

// The write-ahead log and its shared index are made with the store file's mode by whoever first
// opens it. A store read while it was read-only leaves them read-only too; once the store file may
// be written again they follow it, so that fixing its permissions is enough.
void MatchSideFiles(const std::string& path) {
    struct stat store {};
    if (::stat(path.c_str(), &store) != 0 || (store.st_mode & S_IWUSR) == 0) {
        return;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        const std::string side = path + suffix;
        struct stat info {};
        if (::lstat(side.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid() && (info.st_mode & 07777) != (store.st_mode & 0777)) {
            ::chmod(side.c_str(), store.st_mode & 0777);
        }
    }
}

// Opens the store for reading and writing. A store this process may only read (a read-only file
// or folder) cannot get the shared index of its write-ahead log; it is then read as a file that
// does not change, and every write to it fails. That reading would miss what waits in the log, so
// a store whose log holds changes is not read at all.
Connection OpenChecked(const std::string& path, bool& snapshot, std::string& problem) {
    MatchSideFiles(path);
    snapshot = false;
    Connection db = OpenConnection(path, SQLITE_OPEN_READWRITE, problem);
    if (!db || IsOurStore(db.get(), path, problem)) {
        return db;
    }
    const int code = sqlite3_errcode(db.get()) & 0xFF;
    if (code != SQLITE_READONLY && code != SQLITE_CANTOPEN) {
        return nullptr;
    }
    db.reset();  // the file's shared state must not carry over to the read-only connection
    if (FileSize(path + "-wal") > kWalHeaderBytes) {
        problem = path + ": unavailable: changes wait in " + path +
                  "-wal, which this user cannot read (no access to " + path + "-shm)";
        return nullptr;
    }
    snapshot = true;
    db = OpenConnection("file:" + UriPath(path) + "?immutable=1",
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, problem);
    return db && IsOurStore(db.get(), path, problem) ? std::move(db) : nullptr;
}

}  // namespace

std::shared_ptr<Store> Store::Open(const std::string& path, std::string& problem) {
    if (!PrepareFolder(path, problem)) {
        return nullptr;
    }
    struct stat info {};
    const bool fresh = ::stat(path.c_str(), &info) != 0 && errno == ENOENT;
    if (fresh && !CreateFresh(path, problem)) {
        return nullptr;
    }
    bool snapshot = false;
    Connection db = OpenChecked(path, snapshot, problem);
    if (!db || !Configure(db.get(), path, !snapshot, problem)) {
        return nullptr;
    }
    auto store = std::make_shared<Store>(std::move(db), path, snapshot);
    if (!store->Prepared()) {
        problem = path + ": not a registry store (tables missing)";
        return nullptr;
    }
    problem.clear();  // a read-write attempt may have failed before the read-only one worked
    // Defaults of packages installed since the store was made reach it at its next open.
    if (!fresh && !snapshot) {
        ImportDefaults(store);
    }
    return store;
}

}  // namespace platform::registry
