#pragma once
// For tests: while alive, every CD open reaches this drive, which answers from its settings and
// logs each command in words ("open", "time format TMSF", "play 1 to 2", "close", ...).
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/mci/Mci.h"

namespace platform::mci::fake {

class ScriptedCdDrive {
  public:
    ScriptedCdDrive();
    ~ScriptedCdDrive();
    ScriptedCdDrive(const ScriptedCdDrive&) = delete;
    ScriptedCdDrive& operator=(const ScriptedCdDrive&) = delete;

    bool opens = true;
    bool refusesTimeFormat = false;
    std::optional<std::int16_t> trackCount;  // none: the count cannot be read
    std::vector<Msf> lengths;                // of tracks 1, 2, ...
    bool refusesPlay = false;

    std::vector<std::string> log() const;

  private:
    friend class ScriptedDevice;
    void Record(std::string command);

    mutable std::mutex lock_;
    std::vector<std::string> log_;
};

}  // namespace platform::mci::fake
