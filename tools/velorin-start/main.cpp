// velorin-launcher as installed in bin/: starts the launcher in its installation folder. On a
// machine without a CD drive it lends the launcher the demonstration disc, when that is installed,
// so that the audio test can play something there. The sound card is always the real one: the
// test must hear the disc through the machine's own recording source to mean anything.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/debug/DebugOutput.h"
#include "tools/velorin-launcher/CommandLine.h"

namespace fs = std::filesystem;

namespace {

bool HasCdDrive() {
    std::error_code error;
    if (fs::exists("/dev/cdrom", error)) {
        return true;
    }
    for (const auto& entry : fs::directory_iterator("/dev", error)) {
        if (entry.path().filename().string().starts_with("sr")) {
            return true;
        }
    }
    return false;
}

void LendDemoDisc(const fs::path& disc) {
    std::error_code error;
    if (std::getenv("VELORIN_CD") != nullptr || !fs::exists(disc, error) || HasCdDrive()) {
        return;
    }
    setenv("VELORIN_CD", disc.c_str(), 1);
    // The debug output is standard error on Linux, where a user starting it from a terminal sees
    // it.
    platform::debug::OutputDebugText(
        "velorin-launcher: no CD drive here: the audio test plays the demonstration disc " +
        disc.string() + "\n");
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

int main(int argc, char** argv) {
    // Answered here too, since they need no display.
    if (const auto answer = launcher::AnswerCommandLine(argc, argv))
        return launcher::PrintAnswer(*answer);
    // Without one, the window toolkit would end the launcher with an abort and a long message.
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "velorin-launcher: no display (DISPLAY and WAYLAND_DISPLAY are empty)\n");
        return 1;
    }
    std::error_code error;
    const fs::path bin = fs::read_symlink("/proc/self/exe", error).parent_path();
    if (error) {
        std::fprintf(stderr, "velorin-launcher: cannot find its own folder: %s\n",
                     error.message().c_str());
        return 1;
    }
    const fs::path launcher = (bin / VELORIN_LAUNCHER_FROM_BIN).lexically_normal();
    LendDemoDisc((bin / VELORIN_DEMO_DISC_FROM_BIN).lexically_normal());
    std::vector<char*> arguments{const_cast<char*>(launcher.c_str())};
    for (char** argument = argv + 1; *argument != nullptr; ++argument) {
        arguments.push_back(*argument);
    }
    arguments.push_back(nullptr);
    execv(launcher.c_str(), arguments.data());
    std::fprintf(stderr, "velorin-launcher: cannot start %s: %s\n", launcher.c_str(),
                 std::strerror(errno));
    return 1;
}
