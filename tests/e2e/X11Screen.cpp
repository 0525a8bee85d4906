#include "tests/e2e/X11Screen.h"

#include <chrono>
#include <cstdlib>
#include <map>
#include <sstream>
#include <thread>

#include "tests/e2e/Child.h"

namespace velorin::test {

namespace {
constexpr auto kSettle = std::chrono::milliseconds(600);
}  // namespace

// The first visible window whose title matches, waiting for it to appear.
std::optional<Box> FindWindow(const std::string& title) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::istringstream ids(OutputOf({"xdotool", "search", "--onlyvisible", "--name", title}));
        std::string id;
        if (ids >> id) {
            std::istringstream shell(OutputOf({"xdotool", "getwindowgeometry", "--shell", id}));
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
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return std::nullopt;
}

void ClickAt(int x, int y) {
    OutputOf({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"});
    std::this_thread::sleep_for(kSettle);
}

}  // namespace velorin::test
