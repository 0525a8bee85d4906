// Why the store could not be used, in words a user can act on. SQLite's own messages ("disk I/O
// error", "attempt to write a readonly database") say little about what to do.
#include <sys/resource.h>

#include <cerrno>
#include <cstring>

#include "platform/registry/linux/Store.h"

namespace platform::registry {
namespace {

thread_local std::string lastProblem;

std::string SystemCause(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "the disk is full";
        case EFBIG:
            return "the file size limit was reached";
        case EACCES:
        case EPERM:
        case EROFS:
            return "read-only: this user may not write the store or its folder";
        default:
            return std::strerror(error);
    }
}

}  // namespace

std::string SqliteCause(sqlite3* db) {
    if (db == nullptr) {
        return "out of memory";
    }
    switch (sqlite3_extended_errcode(db) & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "busy: another program kept it locked for too long";
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return "read-only: this user may not write the store or its folder";
        case SQLITE_FULL:
            return "the disk is full";
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return "not a registry store (the file is damaged or of another kind)";
        case SQLITE_IOERR:
            if (const int error = sqlite3_system_errno(db); error != 0 && error != EINTR) {
                return SystemCause(error);
            }
            // SQLite keeps the cause of a failed write only until its next call; a limit on this
            // process's file size is the likely one.
            if (rlimit limit{};
                ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
                return SystemCause(EFBIG);
            }
            break;
        case SQLITE_CANTOPEN:
            if (const int error = sqlite3_system_errno(db); error != 0) {
                return std::string("cannot be opened: ") + std::strerror(error);
            }
            break;
        default:
            break;
    }
    return sqlite3_errmsg(db);
}

void NoteProblem(std::string problem) {
    lastProblem = std::move(problem);
}

std::string LastProblem() {
    return lastProblem;
}

}  // namespace platform::registry
