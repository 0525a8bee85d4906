#pragma once
// Finding the launcher's windows on the virtual X screen by title and clicking into them, as a
// user would.
#include <chrono>
#include <optional>
#include <string>

namespace velorin::test {

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
};

// A loaded machine can take long to show a window; a window that is there is found at once.
constexpr auto kWindowWait = std::chrono::seconds(60);
// How often a wait for something on the screen looks again.
constexpr auto kPollPeriod = std::chrono::milliseconds(200);
// A whole run of the launcher ends well within this; it only guards against hangs.
constexpr auto kRunLimit = std::chrono::seconds(120);

// Which of several matching windows: the bottom one, or the top one (a box over its owner).
enum class Pick { Bottom, Top };

// A visible window whose title matches, waiting up to timeout for one to appear.
std::optional<Box> FindWindow(const std::string& title,
                              std::chrono::milliseconds timeout = kWindowWait,
                              Pick pick = Pick::Bottom);

// The class part of the WM_CLASS of the first visible window whose title matches; empty when
// there is none. Desktops match it against a desktop entry's StartupWMClass.
std::string WindowClass(const std::string& title);

enum class MouseButton { Left = 1, Right = 3 };

// Clicks at a screen position; the program reacts in its own time.
void ClickAt(int x, int y, MouseButton button = MouseButton::Left);
void MovePointer(int x, int y);
// Clicks at a position inside a window.
void ClickAt(const Box& window, int x, int y);

// A message box's buttons sit right-aligned at its bottom edge.
void ClickRightButton(const Box& box);
void ClickLeftOfTwoButtons(const Box& box);

}  // namespace velorin::test
