#include "tools/velorin-disc/TempFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace disc {

TempFile::TempFile(const std::filesystem::path& target) {
    std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor >= 0) {
        // mkstemp makes the file private; the image is an ordinary file like any other.
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor, 0666 & ~mask);
        path_ = pattern;
        file_.reset(fdopen(descriptor, "wb"));
    }
}

bool TempFile::SyncToDisk(std::FILE* file) {
    return fsync(fileno(file)) == 0;
}

bool TempFile::MoveTo(const std::filesystem::path& target, std::string& error) {
    std::error_code failure;
    std::filesystem::rename(path_, target, failure);
    if (failure) {
        error = target.string() + ": " + failure.message();
        return false;
    }
    kept_ = true;
    return true;
}

}  // namespace disc
