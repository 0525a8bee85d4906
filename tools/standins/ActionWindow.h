#pragma once
// The small window a person uses to tell a stand-in what to do, when there is no script.
#include <optional>
#include <string>
#include <vector>

#include "tools/standins/Standin.h"

namespace standin {

struct Choice {
    std::string label;
    std::string verb;
    std::string argument;  // empty: the file named in the window, made if missing
};

// Shows the choices as buttons under a file-name field; the chosen action, or nothing when the
// window was closed.
std::optional<Action> ChooseAction(int& argc, char** argv, const std::string& title,
                                   const std::vector<Choice>& choices,
                                   const std::string& defaultFile);

}  // namespace standin
