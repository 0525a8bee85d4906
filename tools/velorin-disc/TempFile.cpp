#include "tools/velorin-disc/TempFile.h"

namespace disc {

TempFile::~TempFile() {
    file_.reset();
    if (!kept_ && !path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
}

bool TempFile::Close() {
    const bool flushed = file_ != nullptr && std::fflush(file_.get()) == 0 &&
                         SyncToDisk(file_.get()) && std::ferror(file_.get()) == 0;
    return std::fclose(file_.release()) == 0 && flushed;
}

}  // namespace disc
