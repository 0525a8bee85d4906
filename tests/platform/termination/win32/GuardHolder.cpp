// guard_holder FILE: holds a cleanup guard that appends "cleaned" to FILE, under the watch of the
// session's end, and waits as the launcher does for a program it started: its thread takes no
// messages. Ends by itself after a minute.
#include <windows.h>

#include <fstream>

#include "platform/termination/Termination.h"
#include "platform/termination/win32/SystemEndWatch.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        return 2;
    }
    const std::string file = argv[1];
    const platform::termination::CleanupGuard guard(
        [&file] { std::ofstream(file, std::ios::app) << "cleaned\n"; });
    const platform::termination::SystemEndWatch watch;
    ::Sleep(60000);
    return 3;
}
