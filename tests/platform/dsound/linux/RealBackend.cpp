#include "tests/platform/dsound/RealBackend.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/dsound/linux/SystemAudio.h"

namespace platform::dsound {

namespace {

// SDL's disk driver records from a raw file that holds the pattern.
std::unique_ptr<AudioSystem> MakeSdlOnDisk() {
    const auto input = std::filesystem::temp_directory_path() /
                       ("velorin-capture-" + std::to_string(getpid()) + ".raw");
    std::ofstream file(input, std::ios::binary);
    for (std::uint32_t index = 0; index < 3 * kContractBufferBytes; ++index) {
        file.put(static_cast<char>(PatternByte(index)));
    }
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILEIN", input.c_str(), 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    return std::make_unique<linux_backend::SystemAudio>();
}

}  // namespace

ContractBackend RealContractBackend() {
    return {"SdlDiskDriver", MakeSdlOnDisk, PatternByte};
}

}  // namespace platform::dsound
