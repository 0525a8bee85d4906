#pragma once
// The drive's transport when a disc is played digitally: a thread of its own reads the audio
// sectors and streams them to the sound card's output, so a play runs on after the device that
// started it is closed, as a drive plays on by itself. One per process, like the drive it stands
// for; a new play ends the one before.
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/dsound/DirectSound.h"
#include "platform/mci/AudioSectors.h"

namespace platform::mci {

class CdPlayer {
  public:
    static CdPlayer& Instance();
    ~CdPlayer();

    // Plays sectors first up to end (exclusive). False, and nothing plays, when the sound card's
    // output cannot be opened. A read error or the end of the range ends the play.
    bool Play(std::unique_ptr<AudioSectorReader> reader, std::int32_t first, std::int32_t end);
    // Silences the play at once and waits for its thread (at most one sector read).
    void Stop();

  private:
    CdPlayer() = default;
    void Run(AudioSectorReader& reader, std::int32_t first, std::int32_t end,
             dsound::OutputStream& output);
    void Finish();

    std::mutex control_;  // Play and Stop, one at a time
    std::jthread thread_;
    std::mutex outputLock_;
    dsound::OutputStream* output_ = nullptr;  // the playing stream while its thread runs
};

}  // namespace platform::mci
