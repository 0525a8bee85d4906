#pragma once
// The attributes every program the launcher starts gets: no blocked signals and the default
// action for SIGTERM and SIGINT. The launcher blocks those two for its own watching thread
// (platform/termination), and a started program must not inherit that, or it could not be ended.
#include <spawn.h>

namespace platform::process {

class SpawnAttributes {
  public:
    SpawnAttributes();
    ~SpawnAttributes();
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    const posix_spawnattr_t* get() const { return &attributes_; }

  private:
    posix_spawnattr_t attributes_;
};

}  // namespace platform::process
