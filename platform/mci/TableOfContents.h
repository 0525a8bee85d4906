#pragma once
// A disc's table of contents as the CD audio device answers from it, whatever read it (a drive,
// libcdio's image drivers, our own CUE sheet reader): tracks, lengths and the sectors a play
// covers.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/mci/Mci.h"

namespace platform::mci {

struct TocTrack {
    std::optional<std::int32_t> start;  // sector where the track begins; none when unreadable
    bool audio = false;
};

// Sectors first up to end (exclusive).
struct SectorRange {
    std::int32_t first = 0;
    std::int32_t end = 0;
};

class TableOfContents {
  public:
    // tracks are numbered from firstTrack on; leadOut is the sector after the disc's last, none
    // when it cannot be read.
    TableOfContents(int firstTrack, std::vector<TocTrack> tracks,
                    std::optional<std::int32_t> leadOut);

    // A disc without a single audio track is no audio CD: it has no count.
    std::optional<std::int16_t> NumberOfTracks() const;
    // From the track's start to the next track's, or to the lead-out: an image cut short can end
    // before a track begins, and that track then has no length.
    std::optional<Msf> TrackLength(int track) const;
    // What a play from..to (or to the lead-out) covers; none when from is no audio track with a
    // length or the range is empty. to may lie past an image's end: reading there ends the play.
    std::optional<SectorRange> PlayRange(Tmsf from, std::optional<Tmsf> to) const;

  private:
    struct Span {
        std::int32_t start;
        std::int32_t end;
    };
    const TocTrack* Find(int track) const;
    std::optional<Span> TrackSpan(int track) const;
    std::optional<std::int32_t> Position(Tmsf position) const;

    int firstTrack_;
    std::vector<TocTrack> tracks_;
    std::optional<std::int32_t> leadOut_;
};

}  // namespace platform::mci
