#pragma once
// An MCI device opened by this process, closed (MCI_CLOSE) when the object goes.
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <optional>

namespace platform::mci::win32 {

class MciDevice {
  public:
    // Sends MCI_OPEN with flags and parameters; none when the device refuses.
    static std::optional<MciDevice> Open(DWORD flags, MCI_OPEN_PARMSA& parameters);

    MciDevice(MciDevice&& other) noexcept;
    MciDevice& operator=(MciDevice&&) = delete;
    MciDevice(const MciDevice&) = delete;
    MciDevice& operator=(const MciDevice&) = delete;
    ~MciDevice();

    // One command to the device; true when it succeeded.
    template <typename Parameters>
    bool Send(UINT message, DWORD flags, Parameters& parameters) const {
        return mciSendCommandA(id_, message, flags, reinterpret_cast<DWORD_PTR>(&parameters)) == 0;
    }

  private:
    explicit MciDevice(MCIDEVICEID id) : id_(id) {}
    MCIDEVICEID id_ = 0;
};

}  // namespace platform::mci::win32
