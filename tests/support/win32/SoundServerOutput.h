#pragma once
// The output of the private sound server a Windows test program runs with
// (scripts/sound-server.sh), muted and unmuted through the server's own control program, which
// the test's CMake names in VELORIN_TEST_PACTL (velorin_sound_server_test).
namespace testing_support {

// False when the control program is not named or fails.
bool MuteServerOutput(bool muted);

}  // namespace testing_support
