#include "platform/dsound/loopback/Loopback.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/dsound/loopback/LoopbackCapture.h"
#include "platform/dsound/loopback/LoopbackStream.h"

namespace platform::dsound::loopback {

namespace {

constexpr std::uint32_t kRates[] = {8000, 11025, 22050, 44100};

double NumberFromEnvironment(const char* name, double fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return *end == '\0' && value >= 0.0 ? value : fallback;
}

bool WellFormed(const CaptureBufferDesc& desc) {
    const WaveFormat* format = desc.format;
    return IsPcmBuffer(desc) && format->channels >= 1 &&
           format->blockAlign == format->channels * format->bitsPerSample / 8 &&
           std::find(std::begin(kRates), std::end(kRates), format->samplesPerSec) !=
               std::end(kRates);
}

bool Accepted(const std::vector<AcceptedFormat>& accepted, const WaveFormat& format) {
    if (accepted.empty()) {
        return format.channels == 1;
    }
    return std::any_of(accepted.begin(), accepted.end(), [&](const AcceptedFormat& entry) {
        return entry.samplesPerSec == format.samplesPerSec &&
               entry.bitsPerSample == format.bitsPerSample && entry.channels == format.channels;
    });
}

class LoopbackPlayback : public Playback {
  public:
    explicit LoopbackPlayback(std::shared_ptr<std::atomic<int>> open) : open_(std::move(open)) {
        ++*open_;
    }
    ~LoopbackPlayback() override { --*open_; }
    LoopbackPlayback(const LoopbackPlayback&) = delete;
    LoopbackPlayback& operator=(const LoopbackPlayback&) = delete;

  private:
    std::shared_ptr<std::atomic<int>> open_;
};

class LoopbackCapture : public Capture {
  public:
    LoopbackCapture(const LoopbackOptions& options, std::shared_ptr<std::atomic<int>> playbacks)
        : options_(options), openPlaybacks_(std::move(playbacks)) {}

    std::unique_ptr<CaptureBuffer> CreateCaptureBuffer(const CaptureBufferDesc& desc) override {
        if (!WellFormed(desc) || !Accepted(options_.acceptedFormats, *desc.format) ||
            (options_.refuseFullDuplex && openPlaybacks_->load() > 0)) {
            return nullptr;
        }
        return std::make_unique<LoopbackCaptureBuffer>(*desc.format, desc.bufferBytes,
                                                       options_.gain, options_.speed);
    }

  private:
    LoopbackOptions options_;
    std::shared_ptr<std::atomic<int>> openPlaybacks_;
};

}  // namespace

LoopbackOptions LoopbackOptions::FromEnvironment() {
    LoopbackOptions options;
    options.gain = static_cast<float>(NumberFromEnvironment("VELORIN_LOOPBACK_GAIN", 1.0));
    options.speed = NumberFromEnvironment("VELORIN_LOOPBACK_SPEED", 1.0);
    if (options.speed <= 0.0) {
        options.speed = 1.0;
    }
    return options;
}

LoopbackAudioSystem::LoopbackAudioSystem(LoopbackOptions options)
    : options_(std::move(options)), openPlaybacks_(std::make_shared<std::atomic<int>>(0)) {}

std::unique_ptr<Playback> LoopbackAudioSystem::CreatePlayback() {
    return std::make_unique<LoopbackPlayback>(openPlaybacks_);
}

std::unique_ptr<Capture> LoopbackAudioSystem::CreateCapture() {
    return std::make_unique<LoopbackCapture>(options_, openPlaybacks_);
}

std::unique_ptr<OutputStream> LoopbackAudioSystem::OpenOutputStream() {
    return OpenLoopbackStream();
}

}  // namespace platform::dsound::loopback
