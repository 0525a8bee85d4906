#include "platform/shell/linux/SystemBrowser.h"

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <string>

#include "platform/process/linux/SpawnAttributes.h"

extern char** environ;

namespace platform::shell {

SystemBrowser::~SystemBrowser() {
    ReapFinished();
}

void SystemBrowser::ReapFinished() {
    std::erase_if(openers_, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

void SystemBrowser::OpenPage(std::string_view address) {
    ReapFinished();
    std::string program = "xdg-open";
    std::string page(address);
    char* argv[] = {program.data(), page.data(), nullptr};
    pid_t pid = 0;
    const process::SpawnAttributes attributes;
    if (posix_spawnp(&pid, program.c_str(), nullptr, attributes.get(), argv, environ) == 0) {
        openers_.push_back(pid);
    }
}

std::unique_ptr<Browser> CreateSystemBrowser() {
    return std::make_unique<SystemBrowser>();
}

}  // namespace platform::shell
