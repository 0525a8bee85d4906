#include "platform/mci/TableOfContents.h"

#include <algorithm>

namespace platform::mci {

TableOfContents::TableOfContents(int firstTrack, std::vector<TocTrack> tracks,
                                 std::optional<std::int32_t> leadOut)
    : firstTrack_(firstTrack), tracks_(std::move(tracks)), leadOut_(leadOut) {}

std::optional<std::int16_t> TableOfContents::NumberOfTracks() const {
    const bool anyAudio =
        std::any_of(tracks_.begin(), tracks_.end(), [](const TocTrack& t) { return t.audio; });
    if (tracks_.empty() || !anyAudio) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(tracks_.size());
}

std::optional<Msf> TableOfContents::TrackLength(int track) const {
    const std::optional<Span> span = TrackSpan(track);
    if (!span.has_value()) {
        return std::nullopt;
    }
    const std::int32_t sectors = span->end - span->start;
    const std::int32_t seconds = sectors / kSectorsPerSecond;
    return Msf{static_cast<std::uint8_t>(seconds / 60), static_cast<std::uint8_t>(seconds % 60),
               static_cast<std::uint8_t>(sectors % kSectorsPerSecond)};
}

std::optional<SectorRange> TableOfContents::PlayRange(Tmsf from, std::optional<Tmsf> to) const {
    const TocTrack* track = Find(from.track);
    if (track == nullptr || !track->audio || !TrackSpan(from.track).has_value()) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> first = Position(from);
    const std::optional<std::int32_t> end = to.has_value() ? Position(*to) : leadOut_;
    if (!first.has_value() || !end.has_value() || *end <= *first) {
        return std::nullopt;
    }
    return SectorRange{*first, *end};
}

const TocTrack* TableOfContents::Find(int track) const {
    const int index = track - firstTrack_;
    if (index < 0 || index >= static_cast<int>(tracks_.size())) {
        return nullptr;
    }
    return &tracks_[static_cast<std::size_t>(index)];
}

std::optional<TableOfContents::Span> TableOfContents::TrackSpan(int track) const {
    const TocTrack* current = Find(track);
    if (current == nullptr || !current->start.has_value()) {
        return std::nullopt;
    }
    const TocTrack* next = Find(track + 1);
    const std::optional<std::int32_t> end = next != nullptr ? next->start : leadOut_;
    if (!end.has_value() || *end <= *current->start) {
        return std::nullopt;
    }
    return Span{*current->start, *end};
}

std::optional<std::int32_t> TableOfContents::Position(Tmsf position) const {
    const TocTrack* track = Find(position.track);
    if (track == nullptr || !track->start.has_value()) {
        return std::nullopt;
    }
    return *track->start + (position.minutes * 60 + position.seconds) * kSectorsPerSecond +
           position.frames;
}

}  // namespace platform::mci
