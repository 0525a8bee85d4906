#pragma once
// The platform's real sound card as the capture contract runs it (linux/ or win32/
// RealBackend.cpp), and the bytes its capture hears while the test plays nothing.
#include <cstdint>
#include <memory>

#include "platform/dsound/DirectSound.h"

namespace platform::dsound {

constexpr std::uint32_t kContractRate = 8000;
constexpr std::uint32_t kContractBufferBytes = kContractRate;  // one second of 8-bit mono

// The byte a controlled source sends as its index-th sample: a saw that never repeats within a
// half buffer.
inline std::uint8_t PatternByte(std::uint32_t index) {
    return static_cast<std::uint8_t>(100 + index % 57);
}

struct ContractBackend {
    const char* name;
    std::unique_ptr<AudioSystem> (*create)();
    std::uint8_t (*heardByte)(std::uint32_t index);
};

ContractBackend RealContractBackend();

}  // namespace platform::dsound
