#include "platform/mci/win32/MciDevice.h"

namespace platform::mci::win32 {

std::optional<MciDevice> MciDevice::Open(DWORD flags, MCI_OPEN_PARMSA& parameters) {
    parameters.wDeviceID = 0;
    if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&parameters)) != 0) {
        return std::nullopt;
    }
    return MciDevice(parameters.wDeviceID);
}

MciDevice::MciDevice(MciDevice&& other) noexcept : id_(other.id_) {
    other.id_ = 0;
}

MciDevice::~MciDevice() {
    if (id_ != 0) {
        MCI_GENERIC_PARMS parameters{};
        mciSendCommandA(id_, MCI_CLOSE, 0, reinterpret_cast<DWORD_PTR>(&parameters));
    }
}

}  // namespace platform::mci::win32
