#pragma once
// Handling window events while the launcher waits for another program: its windows repaint, the
// window manager gets its answers, and the user's input of the meantime is dropped, never acted
// on later.
#include <chrono>

namespace platform::ui::qt {

// Handles the pending and arriving window events for about `most`, without user input.
void HandleEventsWithoutInput(std::chrono::milliseconds most);

}  // namespace platform::ui::qt
