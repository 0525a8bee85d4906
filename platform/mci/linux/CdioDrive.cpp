// The CD audio device on a drive through libcdio: its table of contents read at open, and digital
// play.
#include "platform/mci/Backend.h"
#include "platform/mci/DigitalDrive.h"
#include "platform/mci/linux/CdioDisc.h"

namespace platform::mci::backend {

namespace {

std::optional<std::int32_t> ValidLsn(lsn_t lsn) {
    return lsn == CDIO_INVALID_LSN ? std::nullopt : std::optional<std::int32_t>(lsn);
}

TableOfContents ReadContents(CdIo_t* disc) {
    const track_t count = cdio_get_num_tracks(disc);
    const int first = cdio_get_first_track_num(disc);
    std::vector<TocTrack> tracks;
    if (count != CDIO_INVALID_TRACK) {
        for (int track = first; track < first + count; ++track) {
            const auto number = static_cast<track_t>(track);
            tracks.push_back({ValidLsn(cdio_get_track_lsn(disc, number)),
                              cdio_get_track_format(disc, number) == TRACK_FORMAT_AUDIO});
        }
    }
    return TableOfContents(first, std::move(tracks), ValidLsn(cdio_get_disc_last_lsn(disc)));
}

}  // namespace

std::unique_ptr<CdDevice> OpenCdDrive(const std::string& location) {
    const linux_backend::CdioHandle disc = linux_backend::OpenCdioDisc(location);
    if (disc == nullptr) {
        return nullptr;
    }
    return std::make_unique<DigitalDrive>(ReadContents(disc.get()), [location] {
        return linux_backend::OpenSectorReader(linux_backend::OpenCdioDisc(location));
    });
}

}  // namespace platform::mci::backend
