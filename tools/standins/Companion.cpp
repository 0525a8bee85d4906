#include "tools/standins/Companion.h"

#include <string>

#include "tools/standins/Standin.h"

namespace standin {

int RunCompanion(std::string_view programName, std::string_view outputExtension, int argc,
                 char** argv) {
    LogStart(programName, {argv + 1, argv + argc});
    if (argc < 2) {
        return 1;
    }
    std::string dance = argv[1];
    WriteSmallFile(dance + std::string(outputExtension),
                   std::string(programName) + " (stand-in) made this from " + dance + "\n");
    return 0;
}

}  // namespace standin
