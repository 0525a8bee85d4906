// velorin-launcher as installed in bin/: starts the launcher in its installation folder. On a
// machine without a CD drive or a sound card it lends the launcher the demonstration disc, when
// that is installed, heard through the loopback sound card, so that every command works there.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool AnyMatches(const fs::path& folder, std::string_view prefix, char last) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && (last == '\0' || name.back() == last)) {
            return true;
        }
    }
    return false;
}

bool HasCdDrive() {
    std::error_code error;
    return fs::exists("/dev/cdrom", error) || AnyMatches("/dev", "sr", '\0');
}

// A card that can both play and record.
bool HasSoundCard() {
    return AnyMatches("/dev/snd", "pcmC", 'c') && AnyMatches("/dev/snd", "pcmC", 'p');
}

void LendDemoDisc(const fs::path& disc) {
    std::error_code error;
    if (std::getenv("VELORIN_CD") != nullptr || !fs::exists(disc, error) ||
        (HasCdDrive() && HasSoundCard())) {
        return;
    }
    setenv("VELORIN_CD", disc.c_str(), 1);
    setenv("VELORIN_AUDIO", "loopback", 0);
    std::fprintf(stderr,
                 "velorin-launcher: no CD drive or no sound card here: the audio test plays the "
                 "demonstration disc %s\n",
                 disc.c_str());
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

int main(int, char** argv) {
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
