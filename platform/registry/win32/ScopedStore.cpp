#include "platform/registry/fake/ScopedStore.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

#include "platform/registry/win32/SystemCalls.h"

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
    Set(kVariable, location);
}

ScopedStore::~ScopedStore() {
    for (const auto& [variable, previous] : previous_) {
        ::_putenv_s(variable.c_str(), previous ? previous->c_str() : "");
    }
    const std::string location = path_.substr(path_.find('\\') + 1);
    DeleteKeyTree(HKEY_CURRENT_USER, location);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

// An empty value removes a variable on Windows.
void ScopedStore::Set(const std::string& variable, const std::string& value) {
    const char* current = std::getenv(variable.c_str());
    previous_.emplace_back(variable, current ? std::optional<std::string>(current) : std::nullopt);
    ::_putenv_s(variable.c_str(), value.c_str());
}

}  // namespace platform::registry
