#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/process/ProgramFolder.h"

namespace platform::process {

std::filesystem::path ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    // A longer path than the buffer is cut and reported as the whole buffer: grow and ask again.
    while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return std::filesystem::path(path).parent_path();
}

}  // namespace platform::process
