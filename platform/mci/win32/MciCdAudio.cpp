// The CD audio device through the Media Control Interface: the drive plays by itself, so a play
// runs on after the device is closed. CUE sheets never come here: the layer reads them itself.
#include <cctype>

#include "platform/debug/DebugOutput.h"
#include "platform/mci/Backend.h"
#include "platform/mci/win32/MciDevice.h"

namespace platform::mci::backend {

namespace {

using win32::MciDevice;

class MciCdDevice : public CdDevice {
  public:
    explicit MciCdDevice(MciDevice device) : device_(std::move(device)) {}

    bool SetTimeFormat(TimeFormat format) override {
        MCI_SET_PARMS parameters{};
        parameters.dwTimeFormat = format == TimeFormat::Tmsf ? MCI_FORMAT_TMSF : MCI_FORMAT_MSF;
        if (!device_.Send(MCI_SET, MCI_SET_TIME_FORMAT, parameters)) {
            return false;
        }
        format_ = format;
        return true;
    }

    std::optional<std::int16_t> NumberOfTracks() override {
        MCI_STATUS_PARMS parameters{};
        parameters.dwItem = MCI_STATUS_NUMBER_OF_TRACKS;
        if (!device_.Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, parameters)) {
            return std::nullopt;
        }
        return static_cast<std::int16_t>(parameters.dwReturn);
    }

    // A track's length comes as MSF in either time format.
    std::optional<Msf> TrackLength(int track) override {
        MCI_STATUS_PARMS parameters{};
        parameters.dwItem = MCI_STATUS_LENGTH;
        parameters.dwTrack = static_cast<DWORD>(track);
        if (track < 1 ||
            !device_.Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_TRACK | MCI_WAIT, parameters)) {
            return std::nullopt;
        }
        const auto msf = static_cast<DWORD>(parameters.dwReturn);
        return Msf{MCI_MSF_MINUTE(msf), MCI_MSF_SECOND(msf), MCI_MSF_FRAME(msf)};
    }

    // Returns as soon as the drive has started: neither MCI_WAIT nor MCI_NOTIFY.
    bool Play(Tmsf from, std::optional<Tmsf> to) override {
        if (format_ != TimeFormat::Tmsf) {
            return false;
        }
        MCI_PLAY_PARMS parameters{};
        parameters.dwFrom = MCI_MAKE_TMSF(from.track, from.minutes, from.seconds, from.frames);
        DWORD flags = MCI_FROM;
        if (to.has_value()) {
            parameters.dwTo = MCI_MAKE_TMSF(to->track, to->minutes, to->seconds, to->frames);
            flags |= MCI_TO;
        }
        return device_.Send(MCI_PLAY, flags, parameters);
    }

    bool Stop() override {
        MCI_GENERIC_PARMS parameters{};
        return device_.Send(MCI_STOP, 0, parameters);
    }

  private:
    MciDevice device_;
    TimeFormat format_ = TimeFormat::Msf;  // a fresh open's
};

// A drive is named by its letter: "D:" or "D:\".
bool IsDriveName(const std::string& location) {
    return (location.size() == 2 || (location.size() == 3 && location[2] == '\\')) &&
           std::isalpha(static_cast<unsigned char>(location[0])) != 0 && location[1] == ':';
}

// By type, or the drive named.
std::unique_ptr<CdDevice> OpenMciCdAudio(const std::string& drive) {
    MCI_OPEN_PARMSA parameters{};
    parameters.lpstrDeviceType =
        reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID;
    if (!drive.empty()) {
        parameters.lpstrElementName = drive.c_str();
        flags |= MCI_OPEN_ELEMENT;
    }
    std::optional<MciDevice> device = MciDevice::Open(flags, parameters);
    if (!device.has_value()) {
        return nullptr;
    }
    return std::make_unique<MciCdDevice>(std::move(*device));
}

}  // namespace

std::unique_ptr<CdDevice> OpenCdDrive(const std::string& location) {
    if (!location.empty() && !IsDriveName(location)) {
        debug::OutputDebugText("CD: " + location + " is neither a CUE sheet nor a CD drive\n");
        return nullptr;
    }
    return OpenMciCdAudio(location);
}

}  // namespace platform::mci::backend
