#include "tests/platform/dsound/RealBackend.h"

#include "platform/dsound/win32/SystemAudio.h"

namespace platform::dsound {

namespace {

std::unique_ptr<AudioSystem> MakeDirectSound() {
    return std::make_unique<win32_backend::SystemAudio>();
}

// The test runs on a private sound server whose default source hears its idle output.
std::uint8_t Silence(std::uint32_t) {
    return 0x80;
}

}  // namespace

ContractBackend RealContractBackend() {
    return {"DirectSoundOnServer", MakeDirectSound, Silence};
}

}  // namespace platform::dsound
