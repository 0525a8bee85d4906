// velorin-launcher.exe: the launcher program on Windows. It runs from its installation folder,
// which holds the sounds it plays by relative path, and reads no command line of its own.
#include <windows.h>

#include <string>

#include "launch/system/win32/SystemLaunchServices.h"
#include "platform/sound/win32/WinmmSound.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/win32/Win32Backends.h"
#include "shell/LauncherApp.h"

namespace {

// The folder of the program's own file, which is the installation folder.
std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/"));
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    ::SetCurrentDirectoryW(ProgramFolder().c_str());
    platform::ui::SetApplicationTitle("velorin-launcher");

    platform::ui::win32::Win32Backends windows;
    platform::sound::WinmmSound sound;
    platform::sound::SetSoundBackend(&sound);
    SystemLaunchServices launch;

    theApp.InitInstance();
    platform::sound::SetSoundBackend(nullptr);
    return 0;
}
