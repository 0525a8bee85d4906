#include "tools/velorin-disc/TempFile.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <atomic>

namespace disc {

namespace {
std::atomic<unsigned> g_files{0};
}  // namespace

// A name of this process's own, created only if nobody has it yet.
TempFile::TempFile(const std::filesystem::path& target) {
    const std::filesystem::path path =
        target.parent_path() /
        ("." + target.filename().string() + "." + std::to_string(GetCurrentProcessId()) + "." +
         std::to_string(++g_files));
    int descriptor = -1;
    if (_wsopen_s(&descriptor, path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYWR,
                  _S_IREAD | _S_IWRITE) == 0) {
        path_ = path;
        file_.reset(_fdopen(descriptor, "wb"));
    }
}

bool TempFile::SyncToDisk(std::FILE* file) {
    return _commit(_fileno(file)) == 0;
}

bool TempFile::MoveTo(const std::filesystem::path& target, std::string& error) {
    if (!MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        error = target.string() + ": " +
                std::system_category().message(static_cast<int>(GetLastError()));
        return false;
    }
    kept_ = true;
    return true;
}

TempFile::Claim TempFile::MoveToUnused(const std::filesystem::path& target, std::string& error) {
    if (!MoveFileExW(path_.c_str(), target.c_str(), 0)) {
        const DWORD cause = GetLastError();
        if (cause == ERROR_ALREADY_EXISTS || cause == ERROR_FILE_EXISTS) {
            return Claim::Taken;
        }
        error = target.string() + ": " + std::system_category().message(static_cast<int>(cause));
        return Claim::Failed;
    }
    kept_ = true;
    return Claim::Done;
}

}  // namespace disc
