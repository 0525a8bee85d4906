#pragma once
// Every system backend of this platform, built once from the VELORIN_* variables and installed in
// the layers' slots while it lives: the watch of the desktop's requests to end, the windows (and
// with them message boxes, layout dialogs and the wait cursor), sounds and the sound card. The
// services that are passed rather than installed (processes, the Internet check, the browser, the
// processor) are built here too, for the caller to hand on.
#include <memory>
#include <string>

#include "platform/cpu/Cpu.h"
#include "platform/dsound/DirectSound.h"
#include "platform/inet/Inet.h"
#include "platform/process/Process.h"
#include "platform/shell/Shell.h"
#include "platform/sound/Sound.h"
#include "platform/termination/Termination.h"
#include "platform/ui/WindowSystem.h"

namespace platform {

class SystemPlatform {
  public:
    // Null, with the reason in refusal, when a VELORIN_* variable names a backend there is not.
    // The program's current folder becomes its own folder, where its sounds lie.
    static std::unique_ptr<SystemPlatform> Install(int& argc, char** argv, std::string& refusal);
    ~SystemPlatform();
    SystemPlatform(const SystemPlatform&) = delete;
    SystemPlatform& operator=(const SystemPlatform&) = delete;

    process::ProcessRunner& processes() { return *processes_; }
    inet::Internet& internet() { return *internet_; }
    shell::Browser& browser() { return *browser_; }
    const cpu::Processor& processor() const { return *processor_; }

  private:
    SystemPlatform() = default;

    std::unique_ptr<termination::EndWatch> endWatch_;
    std::unique_ptr<ui::InstalledWindows> windows_;
    std::unique_ptr<sound::SoundBackend> sound_;
    std::unique_ptr<dsound::AudioSystem> audio_;
    std::unique_ptr<process::ProcessRunner> processes_;
    std::unique_ptr<inet::Internet> internet_;
    std::unique_ptr<shell::Browser> browser_;
    std::unique_ptr<cpu::Processor> processor_;
};

}  // namespace platform
