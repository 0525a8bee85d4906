#include "platform/registry/linux/CurrentStore.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace platform::registry {
namespace {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

bool Identify(const std::string& path, FileIdentity& identity) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    identity = {info.st_dev, info.st_ino};
    return true;
}

struct OpenStore {
    std::mutex mutex;
    std::string path;
    FileIdentity identity;
    std::shared_ptr<Store> store;
};

OpenStore& TheOpenStore() {
    static OpenStore open;
    return open;
}

// A relative VELORIN_REGISTRY names a file in the folder the program was started in. Programs
// change folder (the launcher moves to its installation folder) and start others in other
// folders, so it is made absolute once, before main, for this process and every program it starts.
bool MakeStorePathAbsolute() {
    const char* path = std::getenv("VELORIN_REGISTRY");
    if (path == nullptr || *path == '\0' || *path == '/') {
        return false;
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return !error && ::setenv("VELORIN_REGISTRY", absolute.c_str(), 1) == 0;
}

[[maybe_unused]] const bool storePathMadeAbsolute = MakeStorePathAbsolute();

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

}  // namespace

std::string StorePath() {
    if (const char* path = std::getenv("VELORIN_REGISTRY"); path && *path) {
        return path;
    }
    // A relative XDG_DATA_HOME is invalid by the XDG base directory rules, so it is ignored.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') {
        return std::string(data) + "/velorin/registry.db";
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.local/share/velorin/registry.db";
}

std::shared_ptr<Store> CurrentStore(std::string* problem) {
    const std::string path = StorePath();
    OpenStore& open = TheOpenStore();
    std::lock_guard lock(open.mutex);
    FileIdentity identity;
    if (open.store && open.path == path && Identify(path, identity) && identity == open.identity) {
        return open.store;
    }
    open.store.reset();
    std::string reason;
    std::shared_ptr<Store> store = Store::Open(path, reason);
    if (!store) {
        NoteProblem(reason);
    }
    if (problem) {
        *problem = reason;
    }
    // A store read as an unchanging file is not kept: the next use opens it again and so sees
    // what other programs wrote meanwhile.
    if (store && !store->Snapshot() && Identify(path, open.identity)) {
        open.path = path;
        open.store = store;
    }
    return store;
}

std::string StoreProblem() {
    std::string problem;
    CurrentStore(&problem);
    return problem;
}

}  // namespace platform::registry
