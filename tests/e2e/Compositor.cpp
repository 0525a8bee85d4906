#include "tests/e2e/Compositor.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace velorin::test {

namespace fs = std::filesystem;
using testing_support::ChildProcess;
using testing_support::RunProgram;

namespace {

constexpr uid_t kSessionUser = 65534;  // nobody
constexpr auto kStartLimit = std::chrono::seconds(30);

bool AsRoot() {
    return geteuid() == 0;
}

fs::path MakeFolder() {
    std::string pattern = (fs::temp_directory_path() / "velorin-wayland-XXXXXX").string();
    return mkdtemp(pattern.data()) != nullptr ? fs::path(pattern) : fs::path();
}

std::vector<std::string> AsSessionUser(std::vector<std::string> argv) {
    if (AsRoot()) {
        const std::string id = std::to_string(kSessionUser);
        argv.insert(argv.begin(), {"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups"});
    }
    return argv;
}

// A log's last line, which says why a server gave up.
std::string LastLine(const fs::path& log) {
    std::ifstream in(log);
    std::string last;
    for (std::string line; std::getline(in, line);) {
        last = line;
    }
    return last;
}

}  // namespace

void GiveToSessionUser(const fs::path& folder) {
    if (!AsRoot()) {
        return;
    }
    lchown(folder.c_str(), kSessionUser, kSessionUser);
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
        lchown(entry.path().c_str(), kSessionUser, kSessionUser);
    }
}

Compositor::Compositor(CompositorKind kind, int width, int height)
    : kind_(kind), folder_(MakeFolder()) {
    if (folder_.empty()) {
        problem_ = "no temporary folder";
        return;
    }
    kind == CompositorKind::Sway ? StartSway(width, height) : StartWeston(width, height);
}

Compositor::~Compositor() {
    if (server_ != nullptr) {
        server_->Kill(SIGTERM);
        server_->Wait(std::chrono::seconds(5));
        server_.reset();
    }
    if (!folder_.empty()) {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
}

void Compositor::StartSway(int width, int height) {
    // sway names its own socket; that and the X11 display Xwayland listens on reach us through
    // a program sway starts.
    std::ofstream(folder_ / "config")
        << "xwayland enable\noutput HEADLESS-1 resolution " << width << "x" << height
        << "\nexec printenv WAYLAND_DISPLAY DISPLAY\n";
    GiveToSessionUser(folder_);
    server_ = std::make_unique<ChildProcess>(
        AsSessionUser({"env", "HOME=" + folder_.string(), "XDG_RUNTIME_DIR=" + folder_.string(),
                       "WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman",
                       "sway", "-c", (folder_ / "config").string()}));
    if (server_->ReadLine(socket_) && server_->ReadLine(display_)) {
        return;
    }
    problem_ = "sway did not start (is it installed, and may it run here?)";
}

void Compositor::StartWeston(int width, int height) {
    // weston's headless backend has no seat, and without one its shell activates nothing: a new
    // window would never come above a full-screen one. On a virtual X screen of its own it has
    // the screen's keyboard and pointer, as on a desktop.
    screen_.emplace(width, height);
    if (!screen_->Ready()) {
        problem_ = "no virtual X screen for weston (is Xvfb installed?)";
        return;
    }
    GiveToSessionUser(folder_);
    const fs::path log = folder_ / "weston.log";
    server_ = std::make_unique<ChildProcess>(AsSessionUser(
        {"env", "HOME=" + folder_.string(), "XDG_RUNTIME_DIR=" + folder_.string(), "weston",
         "--backend=x11-backend.so", "--use-pixman", "--xwayland", "--debug", "--idle-time=0",
         "--width=" + std::to_string(width), "--height=" + std::to_string(height),
         "--socket=" + socket_, "--log=" + log.string()}));
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    constexpr std::string_view kListening = "xserver listening on display ";
    while (server_->started() && !server_->Wait(std::chrono::milliseconds(100)) &&
           std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            if (const std::size_t at = line.find(kListening); at != std::string::npos) {
                display_ = line.substr(at + kListening.size());
                // The pointer starts in the middle of the screen, where the windows under test
                // are; its picture would spoil theirs.
                RunProgram({"xdotool", "mousemove", std::to_string(width - 1),
                            std::to_string(height - 1)});
                return;
            }
        }
    }
    problem_ =
        "weston with Xwayland did not start (is it installed, and may it run here?); its "
        "log ends: " +
        LastLine(log);
}

std::vector<std::string> Compositor::SessionCommand(const std::vector<std::string>& argv) const {
    std::vector<std::string> command = {"env",
                                        "HOME=" + folder_.string(),
                                        "XDG_RUNTIME_DIR=" + folder_.string(),
                                        "XDG_SESSION_TYPE=wayland",
                                        "WAYLAND_DISPLAY=" + socket_,
                                        "DISPLAY=" + display_};
    command.insert(command.end(), argv.begin(), argv.end());
    return AsSessionUser(command);
}

QImage Compositor::Screenshot() const {
    const fs::path shots = folder_ / "shots";
    std::error_code ignored;
    fs::remove_all(shots, ignored);
    fs::create_directory(shots);
    GiveToSessionUser(shots);
    // weston's screenshooter names its file by the time, in its current folder.
    std::vector<std::string> take =
        kind_ == CompositorKind::Sway ? std::vector<std::string>{"grim", (shots / "s.png").string()}
                                      : std::vector<std::string>{"weston-screenshooter"};
    take.insert(take.begin(), {"env", "-C", shots.string()});
    RunProgram(SessionCommand(take));
    for (const auto& entry : fs::directory_iterator(shots, ignored)) {
        return QImage(QString::fromStdString(entry.path().string()))
            .convertToFormat(QImage::Format_RGB32);
    }
    return {};
}

void Compositor::Click(int x, int y) const {
    if (screen_) {
        RunProgram({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"});
    }
}

std::string Compositor::Sway(const std::vector<std::string>& message) const {
    if (kind_ != CompositorKind::Sway) {
        return {};
    }
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder_, ignored)) {
        if (entry.path().filename().string().starts_with("sway-ipc.")) {
            std::vector<std::string> argv = {"swaymsg", "-s", entry.path().string()};
            argv.insert(argv.end(), message.begin(), message.end());
            return RunProgram(SessionCommand(argv)).out;
        }
    }
    return {};
}

}  // namespace velorin::test
