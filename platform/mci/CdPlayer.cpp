#include "platform/mci/CdPlayer.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace platform::mci {

namespace {
// Sectors read at a time: about a tenth of a second, so a Stop waits for little.
constexpr std::int32_t kChunkSectors = 8;
}  // namespace

CdPlayer& CdPlayer::Instance() {
    static CdPlayer player;
    return player;
}

CdPlayer::~CdPlayer() {
    Stop();
}

bool CdPlayer::Play(std::unique_ptr<AudioSectorReader> reader, std::int32_t first,
                    std::int32_t end) {
    std::lock_guard control(control_);
    Finish();
    std::unique_ptr<dsound::OutputStream> output = dsound::OpenOutputStream();
    if (output == nullptr) {
        return false;
    }
    {
        std::lock_guard guard(outputLock_);
        output_ = output.get();
    }
    thread_ = std::jthread(
        [this, reader = std::move(reader), output = std::move(output), first, end]() mutable {
            Run(*reader, first, end, *output);
            std::lock_guard guard(outputLock_);
            output_ = nullptr;
        });
    return true;
}

void CdPlayer::Stop() {
    std::lock_guard control(control_);
    Finish();
}

// Cuts the stream so that the thread stops writing, then waits for it.
void CdPlayer::Finish() {
    {
        std::lock_guard guard(outputLock_);
        if (output_ != nullptr) {
            output_->Cut();
        }
    }
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CdPlayer::Run(AudioSectorReader& reader, std::int32_t first, std::int32_t end,
                   dsound::OutputStream& output) {
    std::vector<std::int16_t> samples(std::size_t{kChunkSectors} * kSamplesPerSector);
    for (std::int32_t sector = first; sector < end;) {
        const std::int32_t count = std::min(kChunkSectors, end - sector);
        const auto chunk = std::span(samples).first(static_cast<std::size_t>(count) *
                                                    static_cast<std::size_t>(kSamplesPerSector));
        if (!reader.Read(sector, count, chunk.data()) || !output.Write(chunk)) {
            return;
        }
        sector += count;
    }
    output.Drain();
}

}  // namespace platform::mci
