#include "tests/e2e/VirtualDisplay.h"

#include <signal.h>

#include <chrono>

namespace velorin::test {

namespace {

// The server writes its display number to standard output once it accepts connections.
std::vector<std::string> ServerCommand(int width, int height) {
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    return {"Xvfb", "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp"};
}

}  // namespace

VirtualDisplay::VirtualDisplay(int width, int height) : server_(ServerCommand(width, height)) {
    std::string number;
    if (!server_.started() || !server_.ReadLine(number)) {
        return;
    }
    while (!number.empty() && number.back() == ' ') {
        number.pop_back();
    }
    if (number.empty()) {
        return;
    }
    name_ = ":" + number;
    display_.emplace("DISPLAY", name_.c_str());
}

VirtualDisplay::~VirtualDisplay() {
    server_.Kill(SIGTERM);
    server_.Wait(std::chrono::seconds(5));
}

}  // namespace velorin::test
