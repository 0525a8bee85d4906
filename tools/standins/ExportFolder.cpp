#include <cstdlib>
#include <filesystem>

#include "tools/standins/Standin.h"

namespace standin {
namespace {

// Each user's own data folder by the XDG base directory rules; on Windows, where neither is set,
// the temporary folder, which is each user's own there.
std::filesystem::path UserDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') {
        return std::filesystem::path(data) / "velorin";
    }
    if (const char* home = std::getenv("HOME"); home && *home == '/') {
        return std::filesystem::path(home) / ".local/share/velorin";
    }
    return std::filesystem::temp_directory_path();
}

}  // namespace

std::string ExportFolder(std::string_view name) {
    const std::filesystem::path folder = UserDataFolder() / name;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder.string();
}

}  // namespace standin
