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

std::vector<std::string> ServerCommand(const std::filesystem::path& folder) {
    const std::string home = folder.string();
    return {"env",
            "HOME=" + home,
            "XDG_RUNTIME_DIR=" + home,
            "XDG_CONFIG_HOME=" + home,
            "PULSE_RUNTIME_PATH=" + home + "/run",
            "PULSE_STATE_PATH=" + home + "/state",
            "pulseaudio",
            "-n",
            "-F",
            home + "/default.pa",
            "--daemonize=no",
            "--use-pid-file=no",
            "--exit-idle-time=-1",
            "--realtime=no",
            "--high-priority=no",
            "--log-level=error"};
}

bool Answers() {
    return testing_support::RunProgram({"pactl", "info"}).status == 0;
}

}  // namespace

SoundServer::SoundServer() : folder_(MakeFolder()) {
    if (folder_.empty()) {
        return;
    }
    WriteScript(folder_);
    SetEnvironment("PULSE_SERVER", "unix:" + (folder_ / "native").string());
    SetEnvironment("PULSE_CLIENTCONFIG", (folder_ / "client.conf").string());
    SetEnvironment("PULSE_COOKIE", (folder_ / "pulse" / "cookie").string());
    SetEnvironment("SDL_AUDIODRIVER", "pulseaudio");
    server_ = std::make_unique<testing_support::ChildProcess>(
        ServerCommand(folder_), testing_support::ChildProcess::Output::Shared);
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    while (server_->started() && std::chrono::steady_clock::now() < deadline) {
        if (Answers()) {
            ready_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

SoundServer::~SoundServer() {
    if (server_ != nullptr) {
        server_->Kill(SIGTERM);
        server_->Wait(std::chrono::seconds(5));
        server_.reset();
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

bool SoundServer::MuteOutput(bool muted) {
    return testing_support::RunProgram({"pactl", "set-sink-mute", kOutput, muted ? "1" : "0"})
               .status == 0;
}

void SoundServer::SetEnvironment(const char* name, const std::string& value) {
    environment_.push_back(std::make_unique<testing_support::ScopedEnv>(name, value.c_str()));
}

}  // namespace velorin::test
