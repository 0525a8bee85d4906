#pragma once
// A CD audio device whose disc is read digitally (an image, or a drive read sector by sector): it
// answers from the disc's table of contents and plays through the CdPlayer, which reads the audio
// sectors from a reader of its own, so the play outlives the device.
#include <functional>
#include <memory>

#include "platform/mci/AudioSectors.h"
#include "platform/mci/Mci.h"
#include "platform/mci/TableOfContents.h"

namespace platform::mci {

class DigitalDrive : public CdDevice {
  public:
    // Opens the disc's audio sectors afresh for each play; null when they cannot be read.
    using SectorSource = std::function<std::unique_ptr<AudioSectorReader>()>;

    DigitalDrive(TableOfContents contents, SectorSource sectors);

    bool SetTimeFormat(TimeFormat format) override;
    std::optional<std::int16_t> NumberOfTracks() override;
    std::optional<Msf> TrackLength(int track) override;
    bool Play(Tmsf from, std::optional<Tmsf> to) override;
    bool Stop() override;

  private:
    TableOfContents contents_;
    SectorSource sectors_;
    TimeFormat format_ = TimeFormat::Msf;
};

}  // namespace platform::mci
