// velorin-reg: look at and change the registry store from a terminal or a script.
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/common/StandardOutput.h"
#include "tools/velorin-reg/Commands.h"

int main(int argc, char** argv) {
    tools::ReportFileSizeLimit();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const int status = regtool::RunCommand(args, {std::cin, tools::StandardOutput(), std::cerr});
    return tools::StandardOutputWritten("velorin-reg") ? status : regtool::kFailed;
}
