#include <filesystem>
#include <system_error>

#include "tools/standins/Standin.h"

namespace standin {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

}  // namespace standin
