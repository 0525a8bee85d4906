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
    : kind_(kind), folder_(MakeFolder()), width_(width), height_(height) {
    if (folder_.empty()) {
        problem_ = "no temporary folder";
        return;
    }
    switch (kind) {
        case CompositorKind::Sway:
            StartSway(width, height);
            return;
        case CompositorKind::Weston:
            StartWeston(width, height);
            return;
        case CompositorKind::KWin:
            StartKWin(width, height);
            return;
    }
}

Compositor::~Compositor() {
    for (std::unique_ptr<ChildProcess>* server : {&server_, &bus_}) {
        if (*server != nullptr) {
            (*server)->Kill(SIGTERM);
            (*server)->Wait(std::chrono::seconds(5));
            server->reset();
        }
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
        SessionUser({"env", "HOME=" + folder_.string(), "XDG_RUNTIME_DIR=" + folder_.string(),
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
    server_ = std::make_unique<ChildProcess>(SessionUser(
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

bool Compositor::StartSessionBus() {
    bus_ = std::make_unique<ChildProcess>(
        SessionUser({"dbus-daemon", "--session", "--nofork", "--print-address=1",
                     "--address=unix:path=" + (folder_ / "bus").string()}));
    return bus_->ReadLine(bus_address_) && !bus_address_.empty();
}

void Compositor::StartKWin(int width, int height) {
    GiveToSessionUser(folder_);
    if (!StartSessionBus()) {
        problem_ = "no session bus for KWin (is dbus-daemon installed?)";
        return;
    }
    // kwin_wayland carries a file capability (CAP_SYS_RESOURCE) that a container's bounding set
    // may lack, and then it cannot be started at all; a copy of it has none.
    const fs::path kwin = folder_ / "kwin_wayland";
    std::error_code error;
    fs::copy_file("/usr/bin/kwin_wayland", kwin, error);
    GiveToSessionUser(folder_);
    // The programs KWin starts (here printenv) learn its Wayland socket and Xwayland's display.
    server_ = std::make_unique<ChildProcess>(SessionUser(
        {"env", "HOME=" + folder_.string(), "XDG_RUNTIME_DIR=" + folder_.string(),
         "DBUS_SESSION_BUS_ADDRESS=" + bus_address_, "KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1",
         kwin.string(), "--virtual", "--xwayland", "--socket", socket_,
         "--width=" + std::to_string(width), "--height=" + std::to_string(height), "printenv"}));
    constexpr std::string_view kDisplay = "DISPLAY=";
    for (std::string line; server_->ReadLine(line);) {
        if (line.starts_with(kDisplay)) {
            display_ = line.substr(kDisplay.size());
            return;
        }
    }
    problem_ = "KWin with Xwayland did not start (is kwin-wayland installed?)";
}

std::vector<std::string> Compositor::SessionUser(std::vector<std::string> argv) const {
    // weston, run by another user than root, cannot take over a display number whose socket an X
    // server of root's left behind (it gives up rather than trying the next), so it runs as root.
    if (AsRoot() && kind_ != CompositorKind::Weston) {
        const std::string id = std::to_string(kSessionUser);
        argv.insert(argv.begin(), {"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups"});
    }
    return argv;
}

std::vector<std::string> Compositor::SessionCommand(const std::vector<std::string>& argv) const {
    std::vector<std::string> command = {"env",
                                        "HOME=" + folder_.string(),
                                        "XDG_RUNTIME_DIR=" + folder_.string(),
                                        "XDG_SESSION_TYPE=wayland",
                                        "WAYLAND_DISPLAY=" + socket_,
                                        "DISPLAY=" + display_};
    command.insert(command.end(), argv.begin(), argv.end());
    return SessionUser(command);
}

std::vector<std::string> Compositor::ScreenshotCommand(const fs::path& file) const {
    switch (kind_) {
        case CompositorKind::Sway:
            return {"grim", file.string()};
        case CompositorKind::Weston:
            // weston's screenshooter names its file by the time, in its current folder.
            return {"weston-screenshooter"};
        case CompositorKind::KWin:
            return {"env",
                    "DBUS_SESSION_BUS_ADDRESS=" + bus_address_,
                    "QT_QPA_PLATFORM=offscreen",
                    VELORIN_KWIN_SCREENSHOT,
                    file.string(),
                    std::to_string(width_),
                    std::to_string(height_)};
    }
    return {};
}

QImage Compositor::Screenshot() const {
    const fs::path shots = folder_ / "shots";
    std::error_code ignored;
    fs::remove_all(shots, ignored);
    fs::create_directory(shots);
    GiveToSessionUser(shots);
    std::vector<std::string> take = ScreenshotCommand(shots / "s.png");
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
