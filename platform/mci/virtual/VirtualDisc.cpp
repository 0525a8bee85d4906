#include "platform/mci/virtual/VirtualDisc.h"

#include "platform/mci/virtual/DiscPlayer.h"
#include "platform/mci/virtual/TrackFiles.h"

namespace platform::mci::virtualdisc {

namespace {

class VirtualDisc : public CdDevice {
  public:
    explicit VirtualDisc(std::filesystem::path folder) : folder_(std::move(folder)) {}

    bool SetTimeFormat(TimeFormat format) override {
        format_ = format;
        return true;
    }

    std::optional<std::int16_t> NumberOfTracks() override {
        const int count = CountTracks(folder_);
        if (count == 0) {
            return std::nullopt;
        }
        return static_cast<std::int16_t>(count);
    }

    std::optional<Msf> TrackLength(int track) override {
        if (track < 1 || track > CountTracks(folder_)) {
            return std::nullopt;
        }
        return TrackFileLength(TrackPath(folder_, track));
    }

    // Whole tracks only, which is all the launcher asks for.
    bool Play(Tmsf from, std::optional<Tmsf> to) override {
        const int count = CountTracks(folder_);
        if (format_ != TimeFormat::Tmsf || from.track < 1 || from.track > count) {
            return false;
        }
        const int end = to.has_value() ? std::min<int>(to->track, count + 1) : count + 1;
        return DiscPlayer::Instance().Play(folder_, from.track, end);
    }

    bool Stop() override {
        DiscPlayer::Instance().Stop();
        return true;
    }

  private:
    std::filesystem::path folder_;
    TimeFormat format_ = TimeFormat::Msf;
};

}  // namespace

std::unique_ptr<CdDevice> OpenVirtualDisc(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return nullptr;
    }
    return std::make_unique<VirtualDisc>(folder);
}

}  // namespace platform::mci::virtualdisc
