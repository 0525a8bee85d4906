#include "tools/standins/ActionWindow.h"

namespace standin {

// The window layer has no Windows backend yet, so on Windows the stand-ins take their actions
// from the script alone; without one they exit as if the window had been closed.
std::optional<Action> ChooseAction(int&, char**, const std::string&, const std::vector<Choice>&,
                                   const std::string&) {
    return std::nullopt;
}

}  // namespace standin
