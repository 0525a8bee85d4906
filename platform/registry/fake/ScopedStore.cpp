#include "platform/registry/fake/ScopedStore.h"

#include <stdlib.h>

#include <filesystem>

namespace platform::registry {

ScopedStore::ScopedStore() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velorin-registry-XXXXXX");
    // Should mkdtemp fail, the store layer creates the folder on first use.
    ::mkdtemp(pattern.data());
    folder_ = pattern;
    path_ = folder_ + "/registry.db";
    if (const char* current = ::getenv("VELORIN_REGISTRY")) {
        previous_ = current;
    }
    ::setenv("VELORIN_REGISTRY", path_.c_str(), 1);
}

ScopedStore::~ScopedStore() {
    if (previous_) {
        ::setenv("VELORIN_REGISTRY", previous_->c_str(), 1);
    } else {
        ::unsetenv("VELORIN_REGISTRY");
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace platform::registry
