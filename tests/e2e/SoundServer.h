#pragma once
// A private sound server for as long as the object lives, in a temporary folder of its own:
// PulseAudio, or PipeWire with its session manager and its PulseAudio server (pipewire-pulse, on
// a D-Bus daemon of its own), as desktops have them. One null output whose monitor is the default
// recording source, so what plays is what is heard. Meanwhile PULSE_SERVER points this process and
// the programs it starts at it, and SDL uses its pulseaudio driver. The servers are stopped by
// their process ids.
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
    enum class Kind { PulseAudio, PipeWire };
    explicit SoundServer(Kind kind = Kind::PulseAudio);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool Ready() const { return ready_; }
    // Mutes or unmutes the output, and with it what the monitor hears.
    bool MuteOutput(bool muted);

  private:
    void SetEnvironment(const char* name, const std::string& value);
    bool StartPulseAudio();
    bool StartPipeWire();
    void Start(const std::vector<std::string>& command);

    std::filesystem::path folder_;
    std::vector<std::unique_ptr<testing_support::ChildProcess>> servers_;
    bool ready_ = false;
    std::vector<std::unique_ptr<testing_support::ScopedEnv>> environment_;
};

}  // namespace velorin::test
