#include "platform/mci/linux/CdioDisc.h"

#include <cdio/logging.h>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/debug/DebugOutput.h"
#include "platform/mci/linux/ParanoiaSectors.h"

namespace platform::mci::linux_backend {

namespace {

// libcdio's messages at the level it would print itself are the developer's business. An
// assertion means its state is broken: it ends the process, as libcdio's own handler does, rather
// than running on into a crash.
void LogToDebugOutput(cdio_log_level_t level, const char* message) {
    if (level < cdio_loglevel_default) {
        return;
    }
    debug::OutputDebugText(std::string("libcdio: ") + message + "\n");
    if (level == CDIO_LOG_ASSERT) {
        std::abort();
    }
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return descriptor_; }

  private:
    int descriptor_;
};

// A drive is a block device that answers a CD drive's capability question. Nothing else is ever
// opened to ask: opening a FIFO would wait for a writer, and a character device may act on being
// opened. The drive itself is opened without waiting for a disc.
bool IsCdDrive(const std::string& location) {
    struct stat status {};
    if (::stat(location.c_str(), &status) != 0 || !S_ISBLK(status.st_mode)) {
        return false;
    }
    const FileDescriptor device(::open(location.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    return device.get() >= 0 && ::ioctl(device.get(), CDROM_GET_CAPABILITY, 0) >= 0;
}

}  // namespace

CdioHandle OpenCdioDisc(const std::string& location) {
    static const bool logged = (cdio_log_set_handler(LogToDebugOutput), true);
    (void)logged;
    if (location.empty()) {
        return CdioHandle(cdio_open(nullptr, DRIVER_DEVICE));
    }
    // libcdio's image readers trust what they read, so it is given drives only.
    if (!IsCdDrive(location)) {
        debug::OutputDebugText("CD: " + location + " is neither a CUE sheet nor a CD drive\n");
        return nullptr;
    }
    return CdioHandle(cdio_open(location.c_str(), DRIVER_DEVICE));
}

std::unique_ptr<AudioSectorReader> OpenSectorReader(CdioHandle disc) {
    if (disc == nullptr) {
        return nullptr;
    }
    return OpenParanoiaSectors(std::move(disc));
}

}  // namespace platform::mci::linux_backend
