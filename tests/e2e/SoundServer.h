#pragma once
// A private PulseAudio server for as long as the object lives, in a temporary folder of its own:
// one null output whose monitor is the default recording source, so what plays is what is heard.
// Meanwhile PULSE_SERVER points this process and the programs it starts at it, and SDL uses its
// pulseaudio driver. The server is stopped by its process id.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"

namespace velorin::test {

class SoundServer {
  public:
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool Ready() const { return ready_; }
    // Mutes or unmutes the output, and with it what the monitor hears.
    bool MuteOutput(bool muted);

  private:
    void SetEnvironment(const char* name, const std::string& value);

    std::filesystem::path folder_;
    std::unique_ptr<testing_support::ChildProcess> server_;
    bool ready_ = false;
    std::vector<std::unique_ptr<testing_support::ScopedEnv>> environment_;
};

}  // namespace velorin::test
