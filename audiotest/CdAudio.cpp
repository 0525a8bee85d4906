#include "audiotest/CdAudio.h"

#include <algorithm>

#include "audiotest/CSoundCapture.h"
#include "platform/mci/Mci.h"

namespace mci = platform::mci;

namespace {

constexpr std::int16_t kMaxTracks = 100;

std::optional<std::int16_t> CappedTrackCount(mci::CdDevice& drive) {
    const auto count = drive.NumberOfTracks();
    if (!count.has_value()) {
        return std::nullopt;
    }
    return std::min(*count, kMaxTracks);
}

mci::Tmsf TrackStart(std::int32_t trackNumber) {
    return mci::Tmsf{static_cast<std::uint8_t>(trackNumber), 0, 0, 0};
}

}  // namespace

std::int32_t PlayCdTrack(std::int32_t trackIndex) {
    const auto drive = mci::OpenCdAudio();
    if (drive == nullptr || !drive->SetTimeFormat(mci::TimeFormat::Tmsf)) {
        return kCdUnavailable;
    }
    const auto lastTrack = CappedTrackCount(*drive);
    if (!lastTrack.has_value()) {
        return kCdUnavailable;
    }
    const bool isLast = static_cast<std::int16_t>(trackIndex + 1) == *lastTrack;
    const std::optional<mci::Tmsf> to =
        isLast ? std::nullopt : std::optional(TrackStart(trackIndex + 2));
    if (!drive->Play(TrackStart(trackIndex + 1), to)) {
        return kCdPlayRefused;
    }
    return kCaptureOk;
}

std::int16_t GetCdTrackSeconds(std::int32_t trackIndex) {
    const auto drive = mci::OpenCdAudio();
    if (drive == nullptr) {
        return 0;
    }
    const auto count = CappedTrackCount(*drive);
    if (!count.has_value() || trackIndex >= *count || trackIndex < 0) {
        return 0;
    }
    const auto length = drive->TrackLength(trackIndex + 1);
    if (!length.has_value()) {
        return 0;
    }
    return static_cast<std::int16_t>(length->minutes * 60 + length->seconds);
}

void StopCd() {
    if (const auto drive = mci::OpenCdAudio()) {
        drive->Stop();
    }
}
