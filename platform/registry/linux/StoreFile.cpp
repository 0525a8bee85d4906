// Opening and creating the store file. A new store is built under a temporary name and moved into
// place without replacing anything, so a crash never leaves a half-made store behind and a file
// that is already there (ours or not) is never overwritten.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/registry/linux/Store.h"

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
PRAGMA journal_mode = WAL;
)sql";

std::string SchemaScript() {
    return "PRAGMA application_id = " + std::to_string(kApplicationId) +
           "; PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";" + kTables;
}

std::string SqliteProblem(const std::string& path, sqlite3* db) {
    return path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
}

Connection OpenConnection(const std::string& path, int flags, std::string& problem) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    Connection db(raw);
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

bool CreateFresh(const std::string& path, std::string& problem) {
    const std::string temp = path + ".new-" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    bool made = false;
    {
        Connection db = OpenConnection(temp, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, problem);
        if (db) {
            made = sqlite3_exec(db.get(), SchemaScript().c_str(), nullptr, nullptr, nullptr) ==
                   SQLITE_OK;
            if (!made) {
                problem = SqliteProblem(path, db.get());
            }
        }
    }
    made = made && MoveIntoPlace(temp, path, problem);
    ::unlink(temp.c_str());
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

// Opens the store for reading and writing. A store this process may only read (a read-only file
// or folder) cannot get the shared index of its write-ahead log; it is then read as a file that
// does not change, and every write to it fails.
Connection OpenChecked(const std::string& path, std::string& problem) {
    Connection db = OpenConnection(path, SQLITE_OPEN_READWRITE, problem);
    if (!db || IsOurStore(db.get(), path, problem)) {
        return db;
    }
    const int code = sqlite3_errcode(db.get()) & 0xFF;
    if (code != SQLITE_READONLY && code != SQLITE_CANTOPEN) {
        return nullptr;
    }
    db.reset();  // the file's shared state must not carry over to the read-only connection
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
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT && !CreateFresh(path, problem)) {
        return nullptr;
    }
    Connection db = OpenChecked(path, problem);
    if (!db) {
        return nullptr;
    }
    sqlite3_exec(db.get(),
                 "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON;",
                 nullptr, nullptr, nullptr);
    auto store = std::make_shared<Store>(std::move(db));
    if (!store->Prepared()) {
        problem = path + ": not a registry store (tables missing)";
        return nullptr;
    }
    problem.clear();  // a read-write attempt may have failed before the read-only one worked
    return store;
}

}  // namespace platform::registry
