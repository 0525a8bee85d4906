#include <filesystem>
#include <system_error>

#include "platform/process/ProgramFolder.h"

namespace platform::process {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

}  // namespace platform::process
