#pragma once
// A Wayland compositor with Xwayland for as long as the object lives, in a runtime folder of its
// own, stopped by its process id: sway headless, weston on a virtual X screen of its own (for a
// seat), as a desktop user would have them. Run by root, the compositor and the session's programs
// run as an unprivileged user (sway refuses root, and Xwayland lets in its own user only).
#include <QImage>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/VirtualDisplay.h"
#include "tests/support/ChildProcess.h"

namespace velorin::test {

enum class CompositorKind { Sway, Weston };

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
    // The screen as the compositor composes it (grim on sway, the screenshooter on weston).
    QImage Screenshot() const;
    // sway's window tree (swaymsg -t get_tree), or its command's answer; empty on weston.
    std::string Sway(const std::vector<std::string>& message) const;
    // A click of the seat's pointer at a point of the screen, which then stays there; on weston
    // only (sway's headless seat has no pointer).
    void Click(int x, int y) const;

  private:
    void StartSway(int width, int height);
    void StartWeston(int width, int height);

    CompositorKind kind_;
    std::filesystem::path folder_;
    std::string socket_ = "wayland-velorin";  // in folder_
    std::string display_;
    std::string problem_;
    std::optional<VirtualDisplay> screen_;  // weston's, beneath it
    std::unique_ptr<testing_support::ChildProcess> server_;
};

// Hands a folder and everything in it to the user the session's programs run as.
void GiveToSessionUser(const std::filesystem::path& folder);

}  // namespace velorin::test
