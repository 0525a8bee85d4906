#pragma once
// Records every sound request instead of playing it, for tests of the windows that play sounds.
#include <string>
#include <vector>

#include "platform/sound/Sound.h"

namespace platform::sound::fake {

class RecordedSounds : public SoundBackend {
  public:
    struct Request {
        std::string fileName;  // empty for a stop
        SoundFlags flags = SoundFlags::Sync;
        bool IsStop() const { return fileName.empty(); }
    };

    RecordedSounds();
    ~RecordedSounds() override;
    RecordedSounds(const RecordedSounds&) = delete;
    RecordedSounds& operator=(const RecordedSounds&) = delete;

    const std::vector<Request>& requests() const { return requests_; }

    bool Play(const std::string& fileName, SoundFlags flags) override;
    void Stop() override;

  private:
    std::vector<Request> requests_;
};

}  // namespace platform::sound::fake
