// velorin-launcher: the launcher program. It runs from its installation folder, which holds the
// sounds it plays by relative path, and reads no command line of its own but --help and --version.
#include <string>

#include "launch/system/SystemLaunchServices.h"
#include "platform/debug/DebugOutput.h"
#include "platform/system/SystemPlatform.h"
#include "shell/LauncherApp.h"
#include "tools/velorin-launcher/CommandLine.h"

int main(int argc, char* argv[]) {
    if (const auto answer = launcher::AnswerCommandLine(argc, argv)) {
        return launcher::PrintAnswer(*answer);
    }
    std::string refusal;
    const auto platform = platform::SystemPlatform::Install(argc, argv, refusal);
    if (platform == nullptr) {
        platform::debug::OutputDebugText(refusal + "\n");
        return 2;
    }
    SystemLaunchServices launch(*platform);
    theApp.InitInstance();
    return 0;
}
