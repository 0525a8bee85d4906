#include "tests/support/win32/SoundServerOutput.h"

#include <cstdlib>

#include "tests/support/ChildProcess.h"

namespace testing_support {

bool MuteServerOutput(bool muted) {
    const char* pactl = std::getenv("VELORIN_TEST_PACTL");
    return pactl != nullptr &&
           RunProgram({pactl, "set-sink-mute", "velorin_output", muted ? "1" : "0"}).status == 0;
}

}  // namespace testing_support
