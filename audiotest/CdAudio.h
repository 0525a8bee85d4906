#pragma once
// The CD drive as the audio test needs it: the length of a track, playing it while the sound card
// captures, and stopping. Each call opens the CD audio device and closes it again; the drive
// keeps playing on its own in between.
#include <cstdint>

// Starts track trackIndex + 1 (index 0 is track 1), up to the next track or the end of the disc:
// 1 when playing, -3 when the device, its time format or its track count is unavailable, -4 when
// the play command is refused.
std::int32_t PlayCdTrack(std::int32_t trackIndex);

// The length of track trackIndex + 1 in whole seconds; 0 when it cannot be read.
std::int16_t GetCdTrackSeconds(std::int32_t trackIndex);

// Stops the drive; failures are ignored.
void StopCd();
