#include "platform/dsound/fake/FaultyAudioSystem.h"

namespace platform::dsound::fake {

namespace {

class RefusingNotify : public CaptureNotify {
  public:
    bool SetNotificationPositions(std::span<const PositionNotify>) override { return false; }
};

class FaultyBuffer : public CaptureBuffer {
  public:
    FaultyBuffer(std::unique_ptr<CaptureBuffer> inner, AudioFaults& faults)
        : inner_(std::move(inner)), faults_(faults) {}

    std::unique_ptr<CaptureNotify> QueryNotify() override {
        if (faults_.noNotify) {
            return nullptr;
        }
        if (faults_.refusePositions) {
            return std::make_unique<RefusingNotify>();
        }
        return inner_->QueryNotify();
    }
    bool StartLooping() override { return faults_.neverStart || inner_->StartLooping(); }
    void Stop() override { inner_->Stop(); }
    std::uint32_t ReadPosition() override { return inner_->ReadPosition(); }
    bool Lock(std::uint32_t offset, std::uint32_t bytes, LockedRegions& regions) override {
        if (faults_.refuseLocks) {
            return false;
        }
        return inner_->Lock(offset, bytes, regions);
    }
    void Unlock(const LockedRegions& regions) override { inner_->Unlock(regions); }

  private:
    std::unique_ptr<CaptureBuffer> inner_;
    AudioFaults& faults_;
};

}  // namespace

class FaultyCapture : public Capture {
  public:
    FaultyCapture(std::unique_ptr<Capture> inner, FaultyAudioSystem& system)
        : inner_(std::move(inner)), system_(system) {}

    std::unique_ptr<CaptureBuffer> CreateCaptureBuffer(const CaptureBufferDesc& desc) override {
        if (desc.format != nullptr) {
            system_.RecordFormat(*desc.format);
        }
        auto buffer = inner_->CreateCaptureBuffer(desc);
        if (buffer == nullptr) {
            return nullptr;
        }
        return std::make_unique<FaultyBuffer>(std::move(buffer), system_.faults_);
    }

  private:
    std::unique_ptr<Capture> inner_;
    FaultyAudioSystem& system_;
};

FaultyAudioSystem::FaultyAudioSystem(AudioSystem& inner, AudioFaults& faults)
    : inner_(inner), faults_(faults) {}

std::unique_ptr<Playback> FaultyAudioSystem::CreatePlayback() {
    ++playbacksCreated_;
    return faults_.noPlayback ? nullptr : inner_.CreatePlayback();
}

std::unique_ptr<Capture> FaultyAudioSystem::CreateCapture() {
    ++capturesCreated_;
    if (faults_.noCapture) {
        return nullptr;
    }
    auto capture = inner_.CreateCapture();
    if (capture == nullptr) {
        return nullptr;
    }
    return std::make_unique<FaultyCapture>(std::move(capture), *this);
}

std::unique_ptr<OutputStream> FaultyAudioSystem::OpenOutputStream() {
    return inner_.OpenOutputStream();
}

std::vector<WaveFormat> FaultyAudioSystem::formatsTried() const {
    std::lock_guard guard(formatsLock_);
    return formatsTried_;
}

void FaultyAudioSystem::RecordFormat(const WaveFormat& format) {
    std::lock_guard guard(formatsLock_);
    formatsTried_.push_back(format);
}

}  // namespace platform::dsound::fake
