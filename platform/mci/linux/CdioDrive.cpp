#include "platform/mci/linux/CdioDrive.h"

#include "platform/mci/CdPlayer.h"
#include "platform/mci/linux/CdioDisc.h"

namespace platform::mci::linux_backend {

namespace {

class CdioDrive : public CdDevice {
  public:
    CdioDrive(std::string location, CdioHandle disc)
        : location_(std::move(location)), disc_(std::move(disc)) {}

    bool SetTimeFormat(TimeFormat format) override {
        format_ = format;
        return true;
    }

    // A disc without a single audio track is no audio CD: the count is refused.
    std::optional<std::int16_t> NumberOfTracks() override {
        const track_t count = cdio_get_num_tracks(disc_.get());
        if (count == CDIO_INVALID_TRACK || count == 0) {
            return std::nullopt;
        }
        for (int track = First(); track < First() + count; ++track) {
            if (IsAudio(track)) {
                return static_cast<std::int16_t>(count);
            }
        }
        return std::nullopt;
    }

    std::optional<Msf> TrackLength(int track) override {
        const std::optional<Span> span = TrackSpan(track);
        if (!span.has_value()) {
            return std::nullopt;
        }
        const int sectors = span->end - span->start;
        const int seconds = sectors / kFramesPerSecond;
        return Msf{static_cast<std::uint8_t>(seconds / 60), static_cast<std::uint8_t>(seconds % 60),
                   static_cast<std::uint8_t>(sectors % kFramesPerSecond)};
    }

    bool Play(Tmsf from, std::optional<Tmsf> to) override {
        if (format_ != TimeFormat::Tmsf || !IsAudio(from.track) ||
            !TrackSpan(from.track).has_value()) {
            return false;
        }
        const std::optional<lsn_t> start = Position(from);
        const std::optional<lsn_t> end = to.has_value() ? Position(*to) : LeadOut();
        if (!start.has_value() || !end.has_value() || *end <= *start) {
            return false;
        }
        auto reader = OpenSectorReader(OpenCdioDisc(location_));
        return reader != nullptr && CdPlayer::Instance().Play(std::move(reader), *start, *end);
    }

    bool Stop() override {
        CdPlayer::Instance().Stop();
        return true;
    }

  private:
    struct Span {
        lsn_t start;
        lsn_t end;
    };

    int First() const { return cdio_get_first_track_num(disc_.get()); }
    bool Exists(int track) const {
        const track_t count = cdio_get_num_tracks(disc_.get());
        return count != CDIO_INVALID_TRACK && track >= First() && track < First() + count;
    }
    bool IsAudio(int track) const {
        return Exists(track) && cdio_get_track_format(disc_.get(), static_cast<track_t>(track)) ==
                                    TRACK_FORMAT_AUDIO;
    }
    std::optional<lsn_t> LeadOut() const {
        const lsn_t end = cdio_get_disc_last_lsn(disc_.get());
        return end == CDIO_INVALID_LSN ? std::nullopt : std::optional(end);
    }

    // From the track's start to the next track's, or to the lead-out: an image cut short can
    // end before a track begins, and that track then has no length.
    std::optional<Span> TrackSpan(int track) const {
        if (!Exists(track)) {
            return std::nullopt;
        }
        const lsn_t start = cdio_get_track_lsn(disc_.get(), static_cast<track_t>(track));
        const std::optional<lsn_t> end =
            Exists(track + 1)
                ? std::optional(cdio_get_track_lsn(disc_.get(), static_cast<track_t>(track + 1)))
                : LeadOut();
        if (start == CDIO_INVALID_LSN || !end.has_value() || *end == CDIO_INVALID_LSN ||
            *end <= start) {
            return std::nullopt;
        }
        return Span{start, *end};
    }

    // A position may lie past the end of an image cut short: reading there ends the play.
    std::optional<lsn_t> Position(Tmsf position) const {
        if (!Exists(position.track)) {
            return std::nullopt;
        }
        const lsn_t start = cdio_get_track_lsn(disc_.get(), static_cast<track_t>(position.track));
        if (start == CDIO_INVALID_LSN) {
            return std::nullopt;
        }
        return start + (position.minutes * 60 + position.seconds) * kFramesPerSecond +
               position.frames;
    }

    std::string location_;
    CdioHandle disc_;
    TimeFormat format_ = TimeFormat::Msf;
};

}  // namespace

std::unique_ptr<CdDevice> OpenCdioDrive(const std::string& location) {
    CdioHandle disc = OpenCdioDisc(location);
    if (disc == nullptr) {
        return nullptr;
    }
    return std::make_unique<CdioDrive>(location, std::move(disc));
}

}  // namespace platform::mci::linux_backend
