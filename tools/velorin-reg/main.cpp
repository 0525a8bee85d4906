// velorin-reg: look at and change the registry store from a terminal or a script.
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/velorin-reg/Commands.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return regtool::RunCommand(args, {std::cin, std::cout, std::cerr});
}
