#pragma once
// The media devices the launcher opens by type: the CD audio device (track count, track lengths,
// play whole tracks, stop) and the wave-audio device (only opened, to see that a sound card is
// there). Each open device closes when its handle goes out of scope; a CD keeps playing after that.
//
// Where the CD comes from is chosen by VELORIN_CD: unset, the default drive; else a drive (its
// device path, or its letter on Windows) or a CD image's CUE sheet, read by our own reader
// (cue/CueImage.h); anything else opens no CD. A disc plays digitally: its audio sectors are read
// and streamed to the sound card's output (platform/dsound), which is also how the loopback sound
// card hears it.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/mci/AudioSectors.h"

namespace platform::mci {

enum class DeviceType { CdAudio, WaveAudio };

// How positions are given: MSF (the default of a fresh open) or TMSF (track first).
enum class TimeFormat { Msf, Tmsf };

// A length or position in minutes, seconds and frames (kSectorsPerSecond frames a second).
struct Msf {
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t frames = 0;
};

// A position on the disc: a track (1-based) and an offset into it.
struct Tmsf {
    std::uint8_t track = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t frames = 0;
};

class CdDevice {
  public:
    virtual ~CdDevice() = default;
    virtual bool SetTimeFormat(TimeFormat format) = 0;
    virtual std::optional<std::int16_t> NumberOfTracks() = 0;
    // The length of track (1-based).
    virtual std::optional<Msf> TrackLength(int track) = 0;
    // Starts playing at from and returns at once; plays up to to, or to the end of the disc.
    // Positions need the TMSF time format.
    virtual bool Play(Tmsf from, std::optional<Tmsf> to) = 0;
    virtual bool Stop() = 0;
};

// An open wave-audio device: it only shows that the sound card could be opened.
class WaveDevice {
  public:
    virtual ~WaveDevice() = default;
};

// Null when the device cannot be opened.
std::unique_ptr<CdDevice> OpenCdAudio();
std::unique_ptr<WaveDevice> OpenWaveAudio();

// Opens the device of type and closes it again: true when the open succeeded.
bool CanOpen(DeviceType type);

// Replaces VELORIN_CD for later opens (tests); std::nullopt goes back to the environment.
void SetCdLocation(std::optional<std::string> location);

// Replaces every CD source for later opens (tests); an empty opener goes back to the location.
using CdOpener = std::function<std::unique_ptr<CdDevice>()>;
void SetCdOpener(CdOpener opener);

}  // namespace platform::mci
