#pragma once
// For tests: while alive, the process (and every program it starts) uses a fresh store file in a
// temporary folder of its own, removed again at the end, and no installed registry defaults. The
// previous VELORIN_REGISTRY and XDG_DATA_DIRS come back.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform::registry {

class ScopedStore {
  public:
    ScopedStore();
    ~ScopedStore();
    ScopedStore(const ScopedStore&) = delete;
    ScopedStore& operator=(const ScopedStore&) = delete;

    // The folder that holds the store; it exists, the store file does not until first use.
    const std::string& folder() const { return folder_; }
    const std::string& path() const { return path_; }

  private:
    void Set(const std::string& name, const std::string& value);

    std::string folder_;
    std::string path_;
    std::vector<std::pair<std::string, std::optional<std::string>>> previous_;
};

}  // namespace platform::registry
