#include "tests/audiotest/AudioTestRig.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

#include "platform/dsound/LineInput.h"

namespace rig {

namespace {

constexpr float kLoud = 0.5f;
std::atomic<Line> g_line{Line::Silent};
std::atomic<std::uint32_t> g_silentSamples{0};
std::atomic<std::uint64_t> g_samplesSent{0};

float NextSample() {
    const std::uint64_t index = g_samplesSent++;
    switch (g_line.load()) {
        case Line::Silent:
            return 0.0f;
        case Line::Loud:
            return kLoud;
        case Line::OneLowByte:
            return index == 0 ? -1.0f / 128.0f : 0.0f;
        case Line::SilentThenLoud:
            return index < g_silentSamples.load() ? 0.0f : kLoud;
    }
    return 0.0f;
}

void TestLine(std::span<float> mono, int) {
    for (float& sample : mono) {
        sample = NextSample();
    }
}

}  // namespace

void ConnectTestLine(Line kind, std::uint32_t silentSamples) {
    g_line = kind;
    g_silentSamples = silentSamples;
    g_samplesSent = 0;
    platform::dsound::ConnectLineInput(TestLine);
}

platform::dsound::loopback::LoopbackOptions FastCard() {
    platform::dsound::loopback::LoopbackOptions options;
    options.speed = kSpeed;
    return options;
}

platform::dsound::loopback::LoopbackOptions MutedCard() {
    auto options = FastCard();
    options.gain = 0.0f;
    return options;
}

SoundCard::SoundCard(platform::dsound::loopback::LoopbackOptions options)
    : loopback_(
          std::make_unique<platform::dsound::loopback::LoopbackAudioSystem>(std::move(options))),
      faulty_(std::make_unique<platform::dsound::fake::FaultyAudioSystem>(*loopback_, faults)) {
    platform::dsound::SetAudioSystem(faulty_.get());
    platform::thread::SetTimeScale(kSpeed);
}

SoundCard::~SoundCard() {
    platform::dsound::SetAudioSystem(nullptr);
    platform::dsound::ConnectLineInput(nullptr);
    platform::thread::SetTimeScale(1.0);
}

bool WaitForRunEnd(const CSoundCapture& engine) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (engine.running.load() || engine.threadAlive.load()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace rig
