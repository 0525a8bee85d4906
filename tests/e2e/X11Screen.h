#pragma once
// Finding the launcher's windows on the virtual X screen by title and clicking into them, as a
// user would.
#include <optional>
#include <string>

namespace velorin::test {

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
};

// The first visible window whose title matches, waiting for it to appear.
std::optional<Box> FindWindow(const std::string& title);

// Clicks at a screen position and gives the program a moment to react.
void ClickAt(int x, int y);

}  // namespace velorin::test
