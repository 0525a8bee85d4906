#include "tools/velorin-disc/TempFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

TempFile::Claim TempFile::MoveToUnused(const std::filesystem::path& target, std::string& error) {
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        kept_ = true;
        return Claim::Done;
    }
    // A file system without RENAME_NOREPLACE: a second name, which fails as well when taken; the
    // temporary one goes with this object.
    if ((errno == EINVAL || errno == ENOSYS) && ::link(path_.c_str(), target.c_str()) == 0) {
        return Claim::Done;
    }
    if (errno == EEXIST) {
        return Claim::Taken;
    }
    error = target.string() + ": " + std::strerror(errno);
    return Claim::Failed;
}

}  // namespace disc
