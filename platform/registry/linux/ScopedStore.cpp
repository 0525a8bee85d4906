#include "platform/registry/fake/ScopedStore.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace platform::registry {

ScopedStore::ScopedStore() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velorin-registry-XXXXXX");
    // Without a folder of its own a test would share its store with others: better to stop there.
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "ScopedStore: cannot make %s: %s\n", pattern.c_str(),
                     std::strerror(errno));
        std::abort();
    }
    folder_ = pattern;
    path_ = folder_ + "/registry.db";
    Set("VELORIN_REGISTRY", path_);
    // A fresh store imports the defaults that installed packages drop into the data folders; a test
    // store starts empty even on a machine where they are installed.
    Set("XDG_DATA_DIRS", folder_);
}

ScopedStore::~ScopedStore() {
    for (const auto& [name, previous] : previous_) {
        if (previous) {
            ::setenv(name.c_str(), previous->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void ScopedStore::Set(const std::string& name, const std::string& value) {
    const char* current = ::getenv(name.c_str());
    previous_.emplace_back(name, current ? std::optional<std::string>(current) : std::nullopt);
    ::setenv(name.c_str(), value.c_str(), 1);
}

}  // namespace platform::registry
