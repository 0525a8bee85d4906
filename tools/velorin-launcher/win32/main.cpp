// velorin-launcher.exe: the launcher program on Windows. It runs from its installation folder,
// which holds the sounds it plays by relative path, and reads no command line of its own but
// --help and --version.
#include <windows.h>

#include <chrono>
#include <cstdlib>

#include "launch/system/win32/SystemLaunchServices.h"
#include "platform/process/ProgramFolder.h"
#include "platform/sound/win32/WinmmSound.h"
#include "platform/termination/win32/SessionWatch.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/win32/Win32Backends.h"
#include "shell/LauncherApp.h"
#include "tools/velorin-launcher/CommandLine.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    if (const auto answer = launcher::AnswerCommandLine(__argc, __argv))
        return launcher::PrintAnswer(*answer);
    // Ends the launcher when the session ends, after putting back what the audio test blanked.
    platform::termination::SessionWatch endOnRequest;
    ::SetCurrentDirectoryW(platform::process::ProgramFolder().c_str());
    platform::ui::SetApplicationTitle("velorin-launcher");

    platform::ui::win32::Win32Backends windows;
    platform::sound::WinmmSound sound;
    platform::sound::SetSoundBackend(&sound);
    // While Velorin or a companion runs, the windows keep painting and the input is dropped.
    SystemLaunchServices launch([&windows](std::chrono::milliseconds most) {
        windows.windows().HandleEventsWithoutInput(most);
    });

    theApp.InitInstance();
    platform::sound::SetSoundBackend(nullptr);
    return 0;
}
