#include "tests/e2e/SoundServer.h"

#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace velorin::test {

namespace {

constexpr const char* kOutput = "velorin_output";
constexpr auto kStartLimit = std::chrono::seconds(20);

std::filesystem::path MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "velorin-pulse-XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern)
                                              : std::filesystem::path();
}

// The server's configuration: no defaults of the machine's, only what the tests need.
void WriteScript(const std::filesystem::path& folder) {
    std::ofstream(folder / "default.pa")
        << "load-module module-native-protocol-unix auth-anonymous=1 socket="
        << (folder / "native").string() << "\nload-module module-null-sink sink_name=" << kOutput
        << "\nset-default-sink " << kOutput << "\nset-default-source " << kOutput << ".monitor\n";
    std::ofstream(folder / "client.conf") << "autospawn = no\n";
}

// A server's environment: every folder it would look in is the private one.
std::vector<std::string> InFolder(const std::filesystem::path& folder) {
    const std::string home = folder.string();
    return {"env",
            "HOME=" + home,
            "XDG_RUNTIME_DIR=" + home,
            "XDG_CONFIG_HOME=" + home,
            "XDG_STATE_HOME=" + home,
            "PULSE_RUNTIME_PATH=" + home + "/run",
            "PULSE_STATE_PATH=" + home + "/state",
            "DBUS_SESSION_BUS_ADDRESS=unix:path=" + home + "/bus"};
}

std::vector<std::string> PulseAudioCommand(const std::filesystem::path& folder) {
    const std::string home = folder.string();
    std::vector<std::string> command = InFolder(folder);
    command.insert(command.end(), {"pulseaudio", "-n", "-F", home + "/default.pa", "--daemonize=no",
                                   "--use-pid-file=no", "--exit-idle-time=-1", "--realtime=no",
                                   "--high-priority=no", "--log-level=error"});
    return command;
}

bool Pactl(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"pactl"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return testing_support::RunProgram(command).status == 0;
}

// Waits for the server to take the command.
bool Takes(const std::vector<std::string>& arguments) {
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (Pactl(arguments)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

}  // namespace

SoundServer::SoundServer(Kind kind) : folder_(MakeFolder()) {
    if (folder_.empty()) {
        return;
    }
    WriteScript(folder_);
    SetEnvironment("PULSE_CLIENTCONFIG", (folder_ / "client.conf").string());
    SetEnvironment("PULSE_COOKIE", (folder_ / "pulse" / "cookie").string());
    SetEnvironment("SDL_AUDIODRIVER", "pulseaudio");
    ready_ = kind == Kind::PulseAudio ? StartPulseAudio() : StartPipeWire();
}

bool SoundServer::StartPulseAudio() {
    SetEnvironment("PULSE_SERVER", "unix:" + (folder_ / "native").string());
    Start(PulseAudioCommand(folder_));
    return Takes({"info"});
}

// The null output is made once the session manager runs: it is what picks the defaults.
bool SoundServer::StartPipeWire() {
    // pipewire-pulse makes its socket where PULSE_RUNTIME_PATH says.
    SetEnvironment("PULSE_SERVER", "unix:" + (folder_ / "run" / "native").string());
    Start({"dbus-daemon", "--session", "--nofork", "--nopidfile",
           "--address=unix:path=" + (folder_ / "bus").string()});
    for (const char* server : {"pipewire", "wireplumber", "pipewire-pulse"}) {
        std::vector<std::string> command = InFolder(folder_);
        command.push_back(server);
        Start(command);
    }
    const std::string monitor = std::string(kOutput) + ".monitor";
    return Takes({"load-module", "module-null-sink", std::string("sink_name=") + kOutput}) &&
           Takes({"set-default-sink", kOutput}) && Takes({"set-default-source", monitor});
}

void SoundServer::Start(const std::vector<std::string>& command) {
    servers_.push_back(std::make_unique<testing_support::ChildProcess>(
        command, testing_support::ChildProcess::Output::Shared));
}

SoundServer::~SoundServer() {
    for (auto server = servers_.rbegin(); server != servers_.rend(); ++server) {
        (*server)->Kill(SIGTERM);
        (*server)->Wait(std::chrono::seconds(5));
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

bool SoundServer::MuteOutput(bool muted) {
    return Pactl({"set-sink-mute", kOutput, muted ? "1" : "0"});
}

void SoundServer::SetEnvironment(const char* name, const std::string& value) {
    environment_.push_back(std::make_unique<testing_support::ScopedEnv>(name, value.c_str()));
}

}  // namespace velorin::test
