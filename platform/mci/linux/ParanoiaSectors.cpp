#include "platform/mci/linux/ParanoiaSectors.h"

// cdda.h first: paranoia.h uses its types.
#include <cdio/paranoia/cdda.h>

#include <cdio/paranoia/paranoia.h>

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace platform::mci::linux_backend {

namespace {

// Rereads of one sector before paranoia gives up on it and the play ends.
constexpr int kRetries = 5;

struct DriveCloser {
    void operator()(cdrom_drive_t* drive) const { cdio_cddap_close_no_free_cdio(drive); }
};
struct ParanoiaCloser {
    void operator()(cdrom_paranoia_t* paranoia) const { cdio_paranoia_free(paranoia); }
};

class ParanoiaSectors : public AudioSectorReader {
  public:
    ParanoiaSectors(CdioHandle disc, std::unique_ptr<cdrom_drive_t, DriveCloser> drive,
                    std::unique_ptr<cdrom_paranoia_t, ParanoiaCloser> paranoia)
        : disc_(std::move(disc)), drive_(std::move(drive)), paranoia_(std::move(paranoia)) {
        cdio_paranoia_modeset(paranoia_.get(), PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    }

    bool Read(std::int32_t first, std::int32_t count, std::int16_t* samples) override {
        if (first != next_) {
            cdio_paranoia_seek(paranoia_.get(), first, SEEK_SET);
        }
        for (std::int32_t index = 0; index < count; ++index) {
            const std::int16_t* sector =
                cdio_paranoia_read_limited(paranoia_.get(), nullptr, kRetries);
            if (sector == nullptr) {
                next_ = -1;
                return false;
            }
            std::memcpy(samples + std::ptrdiff_t{index} * kSamplesPerSector, sector,
                        kSamplesPerSector * sizeof(std::int16_t));
        }
        next_ = first + count;
        return true;
    }

  private:
    // Declared in the order they must be released in reverse: the paranoia state, the drive
    // structure, then libcdio's handle.
    CdioHandle disc_;
    std::unique_ptr<cdrom_drive_t, DriveCloser> drive_;
    std::unique_ptr<cdrom_paranoia_t, ParanoiaCloser> paranoia_;
    std::int32_t next_ = -1;
};

}  // namespace

std::unique_ptr<AudioSectorReader> OpenParanoiaSectors(CdioHandle disc) {
    std::unique_ptr<cdrom_drive_t, DriveCloser> drive(
        cdio_cddap_identify_cdio(disc.get(), CDDA_MESSAGE_FORGETIT, nullptr));
    if (drive == nullptr || cdio_cddap_open(drive.get()) != 0) {
        return nullptr;
    }
    std::unique_ptr<cdrom_paranoia_t, ParanoiaCloser> paranoia(cdio_paranoia_init(drive.get()));
    if (paranoia == nullptr) {
        return nullptr;
    }
    return std::make_unique<ParanoiaSectors>(std::move(disc), std::move(drive),
                                             std::move(paranoia));
}

}  // namespace platform::mci::linux_backend
