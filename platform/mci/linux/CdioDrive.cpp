#include "platform/mci/linux/CdioDrive.h"

// cdio.h first: audio.h uses its types.
#include <cdio/cdio.h>

#include <cdio/audio.h>

namespace platform::mci::linux_backend {

namespace {

struct CdioCloser {
    void operator()(CdIo_t* drive) const { cdio_destroy(drive); }
};

class CdioDrive : public CdDevice {
  public:
    explicit CdioDrive(CdIo_t* drive) : drive_(drive) {}

    bool SetTimeFormat(TimeFormat format) override {
        format_ = format;
        return true;
    }

    std::optional<std::int16_t> NumberOfTracks() override {
        const track_t count = cdio_get_num_tracks(drive_.get());
        if (count == CDIO_INVALID_TRACK) {
            return std::nullopt;
        }
        return static_cast<std::int16_t>(count);
    }

    std::optional<Msf> TrackLength(int track) override {
        const unsigned sectors =
            cdio_get_track_sec_count(drive_.get(), static_cast<track_t>(track));
        if (sectors == 0) {
            return std::nullopt;
        }
        const unsigned seconds = sectors / CDIO_CD_FRAMES_PER_SEC;
        return Msf{static_cast<std::uint8_t>(seconds / 60), static_cast<std::uint8_t>(seconds % 60),
                   static_cast<std::uint8_t>(sectors % CDIO_CD_FRAMES_PER_SEC)};
    }

    bool Play(Tmsf from, std::optional<Tmsf> to) override {
        if (format_ != TimeFormat::Tmsf) {
            return false;
        }
        const lsn_t start = Position(from);
        const lsn_t end = to.has_value() ? Position(*to) : cdio_get_disc_last_lsn(drive_.get());
        if (start == CDIO_INVALID_LSN || end == CDIO_INVALID_LSN) {
            return false;
        }
        msf_t startMsf;
        msf_t endMsf;
        cdio_lsn_to_msf(start, &startMsf);
        cdio_lsn_to_msf(end, &endMsf);
        return cdio_audio_play_msf(drive_.get(), &startMsf, &endMsf) == DRIVER_OP_SUCCESS;
    }

    bool Stop() override { return cdio_audio_stop(drive_.get()) == DRIVER_OP_SUCCESS; }

  private:
    lsn_t Position(Tmsf position) const {
        const lsn_t trackStart = cdio_get_track_lsn(drive_.get(), position.track);
        if (trackStart == CDIO_INVALID_LSN) {
            return CDIO_INVALID_LSN;
        }
        return trackStart + (position.minutes * 60 + position.seconds) * CDIO_CD_FRAMES_PER_SEC +
               position.frames;
    }

    std::unique_ptr<CdIo_t, CdioCloser> drive_;
    TimeFormat format_ = TimeFormat::Msf;
};

}  // namespace

std::unique_ptr<CdDevice> OpenCdioDrive(const std::string& devicePath) {
    CdIo_t* drive = cdio_open(devicePath.empty() ? nullptr : devicePath.c_str(), DRIVER_DEVICE);
    if (drive == nullptr) {
        return nullptr;
    }
    return std::make_unique<CdioDrive>(drive);
}

}  // namespace platform::mci::linux_backend
