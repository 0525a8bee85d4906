#include "platform/registry/fake/ScopedStore.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

namespace platform::registry {
namespace {

constexpr char kVariable[] = "VELORIN_REGISTRY";
constexpr char kTestKeys[] = "Software\\Velorin Tests";

std::atomic<int> g_count{0};

std::string UniqueName() {
    return std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++g_count);
}

}  // namespace

// The test's registry is a key of its own below HKEY_CURRENT_USER (see win32/Roots.h), made on
// first use; the folder is scratch space for the test, as on every backend.
ScopedStore::ScopedStore() {
    const std::string name = UniqueName();
    folder_ = (std::filesystem::temp_directory_path() / ("velorin-registry-" + name)).string();
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    const std::string location = std::string(kTestKeys) + "\\" + name;
    path_ = "HKEY_CURRENT_USER\\" + location;
    if (const char* current = std::getenv(kVariable)) {
        previous_ = current;
    }
    ::_putenv_s(kVariable, location.c_str());
}

ScopedStore::~ScopedStore() {
    const std::string location = path_.substr(path_.find('\\') + 1);
    ::_putenv_s(kVariable, previous_ ? previous_->c_str() : "");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, location.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, location.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace platform::registry
