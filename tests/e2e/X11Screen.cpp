#include "tests/e2e/X11Screen.h"

#include <cstdlib>
#include <map>
#include <sstream>
#include <thread>

#include "tests/support/ChildProcess.h"

using testing_support::RunProgram;

namespace velorin::test {

namespace {

Box GeometryOf(const std::string& id) {
    std::istringstream shell(RunProgram({"xdotool", "getwindowgeometry", "--shell", id}).out);
    Box box;
    const std::map<std::string, int*> fields = {
        {"X", &box.x}, {"Y", &box.y}, {"WIDTH", &box.width}, {"HEIGHT", &box.height}};
    for (std::string line; std::getline(shell, line);) {
        std::size_t equals = line.find('=');
        auto field = fields.find(line.substr(0, equals));
        if (field != fields.end() && equals != std::string::npos) {
            *field->second = std::atoi(line.c_str() + equals + 1);
        }
    }
    return box;
}

// xdotool lists the windows bottom first.
std::optional<std::string> WindowId(const std::string& title, Pick pick = Pick::Bottom) {
    std::istringstream ids(RunProgram({"xdotool", "search", "--onlyvisible", "--name", title}).out);
    std::optional<std::string> found;
    for (std::string id; ids >> id;) {
        found = id;
        if (pick == Pick::Bottom) {
            break;
        }
    }
    return found;
}

}  // namespace

std::optional<Box> FindWindow(const std::string& title, std::chrono::milliseconds timeout,
                              Pick pick) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const std::optional<std::string> id = WindowId(title, pick)) {
            return GeometryOf(*id);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(kPollPeriod);
    }
}

std::string WindowClass(const std::string& title) {
    const std::optional<std::string> id = WindowId(title);
    if (!id) {
        return {};
    }
    // WM_CLASS(STRING) = "instance", "class"
    const std::string line = RunProgram({"xprop", "-id", *id, "WM_CLASS"}).out;
    const std::size_t end = line.rfind('"');
    if (end == std::string::npos || end == 0) {
        return {};
    }
    const std::size_t start = line.rfind('"', end - 1);
    return start == std::string::npos ? std::string() : line.substr(start + 1, end - start - 1);
}

void ClickAt(int x, int y, MouseButton button) {
    RunProgram({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click",
                std::to_string(static_cast<int>(button))});
}

void MovePointer(int x, int y) {
    RunProgram({"xdotool", "mousemove", std::to_string(x), std::to_string(y)});
}

void ClickAt(const Box& window, int x, int y) {
    ClickAt(window.x + x, window.y + y);
}

void ClickRightButton(const Box& box) {
    ClickAt(box, box.width - 52, box.height - 24);
}

void ClickLeftOfTwoButtons(const Box& box) {
    ClickAt(box, box.width - 137, box.height - 24);
}

}  // namespace velorin::test
