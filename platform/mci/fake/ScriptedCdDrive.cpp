#include "platform/mci/fake/ScriptedCdDrive.h"

namespace platform::mci::fake {

class ScriptedDevice : public CdDevice {
  public:
    explicit ScriptedDevice(ScriptedCdDrive& drive) : drive_(drive) { drive_.Record("open"); }
    ~ScriptedDevice() override { drive_.Record("close"); }
    ScriptedDevice(const ScriptedDevice&) = delete;
    ScriptedDevice& operator=(const ScriptedDevice&) = delete;

    bool SetTimeFormat(TimeFormat format) override {
        drive_.Record(format == TimeFormat::Tmsf ? "time format TMSF" : "time format MSF");
        return !drive_.refusesTimeFormat;
    }
    std::optional<std::int16_t> NumberOfTracks() override {
        drive_.Record("number of tracks");
        return drive_.trackCount;
    }
    std::optional<Msf> TrackLength(int track) override {
        drive_.Record("length of " + std::to_string(track));
        if (track < 1 || static_cast<std::size_t>(track) > drive_.lengths.size()) {
            return std::nullopt;
        }
        return drive_.lengths[static_cast<std::size_t>(track - 1)];
    }
    bool Play(Tmsf from, std::optional<Tmsf> to) override {
        drive_.Record("play " + std::to_string(from.track) + " to " +
                      (to.has_value() ? std::to_string(to->track) : std::string("end")));
        return !drive_.refusesPlay;
    }
    bool Stop() override {
        drive_.Record("stop");
        return true;
    }

  private:
    ScriptedCdDrive& drive_;
};

ScriptedCdDrive::ScriptedCdDrive() {
    SetCdOpener([this]() -> std::unique_ptr<CdDevice> {
        if (!opens) {
            Record("open refused");
            return nullptr;
        }
        return std::make_unique<ScriptedDevice>(*this);
    });
}

ScriptedCdDrive::~ScriptedCdDrive() {
    SetCdOpener({});
}

std::vector<std::string> ScriptedCdDrive::log() const {
    std::lock_guard guard(lock_);
    return log_;
}

void ScriptedCdDrive::Record(std::string command) {
    std::lock_guard guard(lock_);
    log_.push_back(std::move(command));
}

}  // namespace platform::mci::fake
