#pragma once
// A file beside its target that only this process uses, removed unless it is moved into place:
// how an image is written without ever leaving a half-written one under the real name.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace disc {

class TempFile {
  public:
    explicit TempFile(const std::filesystem::path& target);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Null when the file could not be made.
    std::FILE* file() const { return file_.get(); }
    // Flushes to the disk and closes: true when every byte got there.
    bool Close();
    // Replaces target, if any; on failure error names it and says why.
    bool MoveTo(const std::filesystem::path& target, std::string& error);

    enum class Claim { Done, Taken, Failed };
    // Moves the file to target only if nothing has that name yet (Taken otherwise), so that a
    // file of that name, whoever made it, is never replaced.
    Claim MoveToUnused(const std::filesystem::path& target, std::string& error);

  private:
    // Per platform: the file's written bytes on the disk, true when they got there.
    static bool SyncToDisk(std::FILE* file);

    struct FileCloser {
        void operator()(std::FILE* file) const {
            std::fclose(file);  // NOLINT(cppcoreguidelines-owning-memory): the owner is file_
        }
    };

    std::filesystem::path path_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    bool kept_ = false;
};

}  // namespace disc
