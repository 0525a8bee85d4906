#pragma once
// A CUE sheet checked before libcdio reads it. libcdio's reader trusts the TRACK lines: each one
// takes the next entry of a table of 100, so a sheet of more than 99 tracks (track numbers may
// repeat) writes past the table, and a first track number above the number of tracks makes it
// write the last track's length before the table. Either corrupts the heap, and the crash comes
// later, when the handle is closed. A sheet goes to libcdio only when its tracks are numbered
// 1, 2, 3 and so on, at most 99 of them, as on every disc.
#include <istream>
#include <string>

namespace platform::mci::linux_backend {

// Whether the sheet's TRACK lines, read as libcdio reads them, are numbered 1 up to at most 99
// in sequence (and there is at least one).
bool TracksNumberedInSequence(std::istream& sheet);

// False when location makes libcdio read a CUE sheet (a name ending in "cue", or in "bin" with
// its sheet beside it) whose tracks are not numbered in sequence; true for every other location.
bool CueSheetSafeToOpen(const std::string& location);

}  // namespace platform::mci::linux_backend
