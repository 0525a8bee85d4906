#include "platform/mci/linux/CdioDisc.h"

#include <cdio/logging.h>

#include <filesystem>

#include "platform/debug/DebugOutput.h"
#include "platform/mci/linux/CueSheetCheck.h"
#include "platform/mci/linux/ParanoiaSectors.h"

namespace platform::mci::linux_backend {

namespace {

// libcdio's complaints about a missing disc or a bad image are the developer's business.
void LogToDebugOutput(cdio_log_level_t level, const char* message) {
    if (level >= CDIO_LOG_ERROR) {
        debug::OutputDebugText(std::string("libcdio: ") + message + "\n");
    }
}

bool IsImageDriver(driver_id_t driver) {
    return driver == DRIVER_BINCUE || driver == DRIVER_CDRDAO || driver == DRIVER_NRG;
}

class ImageSectors : public AudioSectorReader {
  public:
    explicit ImageSectors(CdioHandle disc) : disc_(std::move(disc)) {}

    bool Read(std::int32_t first, std::int32_t count, std::int16_t* samples) override {
        return cdio_read_audio_sectors(disc_.get(), samples, first,
                                       static_cast<std::uint32_t>(count)) == DRIVER_OP_SUCCESS;
    }

  private:
    CdioHandle disc_;
};

}  // namespace

CdioHandle OpenCdioDisc(const std::string& location) {
    static const bool logged = (cdio_log_set_handler(LogToDebugOutput), true);
    (void)logged;
    if (location.empty()) {
        return CdioHandle(cdio_open(nullptr, DRIVER_DEVICE));
    }
    // A folder is neither a drive nor an image, though some of libcdio's drivers would open it.
    std::error_code error;
    if (std::filesystem::is_directory(location, error)) {
        return nullptr;
    }
    if (!CueSheetSafeToOpen(location)) {
        debug::OutputDebugText("CD image " + location +
                               ": the CUE sheet's tracks are not numbered 1, 2, 3... up to 99\n");
        return nullptr;
    }
    return CdioHandle(cdio_open(location.c_str(), DRIVER_UNKNOWN));
}

std::unique_ptr<AudioSectorReader> OpenSectorReader(CdioHandle disc) {
    if (disc == nullptr) {
        return nullptr;
    }
    if (IsImageDriver(cdio_get_driver_id(disc.get()))) {
        return std::make_unique<ImageSectors>(std::move(disc));
    }
    return OpenParanoiaSectors(std::move(disc));
}

}  // namespace platform::mci::linux_backend
