#include "platform/mci/DigitalDrive.h"

#include "platform/mci/CdPlayer.h"

namespace platform::mci {

DigitalDrive::DigitalDrive(TableOfContents contents, SectorSource sectors)
    : contents_(std::move(contents)), sectors_(std::move(sectors)) {}

bool DigitalDrive::SetTimeFormat(TimeFormat format) {
    format_ = format;
    return true;
}

std::optional<std::int16_t> DigitalDrive::NumberOfTracks() {
    return contents_.NumberOfTracks();
}

std::optional<Msf> DigitalDrive::TrackLength(int track) {
    return contents_.TrackLength(track);
}

bool DigitalDrive::Play(Tmsf from, std::optional<Tmsf> to) {
    if (format_ != TimeFormat::Tmsf) {
        return false;
    }
    const std::optional<SectorRange> range = contents_.PlayRange(from, to);
    if (!range.has_value()) {
        return false;
    }
    std::unique_ptr<AudioSectorReader> reader = sectors_();
    return reader != nullptr &&
           CdPlayer::Instance().Play(std::move(reader), range->first, range->end);
}

bool DigitalDrive::Stop() {
    CdPlayer::Instance().Stop();
    return true;
}

}  // namespace platform::mci
