#pragma once
// A Wayland compositor with Xwayland for as long as the object lives, in a runtime folder of its
// own, stopped by its process id: sway headless, weston on a virtual X screen of its own (for a
// seat), KWin headless on a session bus of its own, as a desktop user would have them. Run by root,
// the compositor and the session's programs run as an unprivileged user (sway refuses root, and
// Xwayland lets in its own user only), but for weston's (below).
#include <QImage>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/VirtualDisplay.h"
#include "tests/support/ChildProcess.h"

namespace velorin::test {

enum class CompositorKind { Sway, Weston, KWin };

class Compositor {
  public:
    Compositor(CompositorKind kind, int width, int height);
    ~Compositor();
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // Empty once the compositor and its Xwayland answer; else why not.
    const std::string& Problem() const { return problem_; }
    // argv as a program of the session: its user, runtime folder and both displays.
    std::vector<std::string> SessionCommand(const std::vector<std::string>& argv) const;
    // The screen as the compositor composes it (grim on sway, the screenshooter on weston, KWin's
    // D-Bus screenshot through velorin_kwin_screenshot).
    QImage Screenshot() const;
    // sway's window tree (swaymsg -t get_tree), or its command's answer; empty on weston.
    std::string Sway(const std::vector<std::string>& message) const;
    // A click of the seat's pointer at a point of the screen, which then stays there; on weston
    // only (sway's headless seat has no pointer).
    void Click(int x, int y) const;

  private:
    void StartSway(int width, int height);
    void StartWeston(int width, int height);
    void StartKWin(int width, int height);
    bool StartSessionBus();
    // argv as the session's user: an unprivileged one where the test runs as root.
    std::vector<std::string> SessionUser(std::vector<std::string> argv) const;
    std::vector<std::string> ScreenshotCommand(const std::filesystem::path& file) const;

    CompositorKind kind_;
    std::filesystem::path folder_;
    std::string socket_ = "wayland-velorin";  // in folder_
    std::string display_;
    std::string bus_address_;  // KWin's session bus
    std::string problem_;
    int width_;
    int height_;
    std::optional<VirtualDisplay> screen_;  // weston's, beneath it
    std::unique_ptr<testing_support::ChildProcess> bus_;
    std::unique_ptr<testing_support::ChildProcess> server_;
};

// Hands a folder and everything in it to the user the session's programs run as.
void GiveToSessionUser(const std::filesystem::path& folder);

}  // namespace velorin::test
