// The capture thread's work for one half-second block at 44,100 Hz 16-bit mono: lock, feed the
// estimator, sum the level, unlock. It has half a second before the card overwrites the block.
// Measured on the loopback card and on the real stack.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>

#include "audiotest/CSoundCapture.h"
#include "audiotest/CdAudio.h"
#include "platform/dsound/LineInput.h"
#include "platform/dsound/loopback/Loopback.h"

namespace {

using platform::dsound::loopback::LoopbackAudioSystem;
using platform::dsound::loopback::LoopbackOptions;

// A 2 Hz pulse under a 440 Hz tone: something for the estimator to chew on.
void PulsingLine(std::span<float> mono, int sampleRate) {
    static long long sample = 0;
    for (float& value : mono) {
        const double time = static_cast<double>(sample++) / sampleRate;
        const double envelope = std::exp(-8.0 * std::fmod(time, 0.5));
        value =
            static_cast<float>(0.5 * envelope * std::sin(2.0 * std::numbers::pi * 440.0 * time));
    }
}

// Fills the engine's whole buffer once, then stops it, so that blocks hold real audio.
void CaptureOneBuffer(CSoundCapture& engine) {
    engine.StartBuffer();
    platform::thread::Event* events[] = {engine.notifyEvents[1].get()};
    platform::thread::WaitForAny(events, std::chrono::seconds(10));
    engine.StopBuffer();
}

// Sets the engine up on the chosen card, fills its buffer once and handles one block per
// iteration: the CPU time per iteration is the engine's own work.
void MeasureBlocks(benchmark::State& state) {
    CSoundCapture engine;
    g_currentCapture = &engine;
    g_captureReadOffset = 0;
    if (engine.InitCapture() != kCaptureOk || engine.device->format.samplesPerSec != 44100 ||
        engine.device->format.bitsPerSample != 16) {
        state.SkipWithError("no 44.1 kHz 16-bit capture");
        return;
    }
    engine.estimator->SetInputFormat(44100, 2, 44100.0f, 1.0e9f);
    engine.durationSeconds = 1.0e9f;  // never the last block
    CaptureOneBuffer(engine);
    std::int32_t index = 0;
    for (auto _ : state) {
        engine.OnCaptureNotify(index);
        index ^= 1;
    }
    benchmark::DoNotOptimize(engine.blockLevel);
}

void HandleOneBlock(benchmark::State& state) {
    platform::dsound::ConnectLineInput(PulsingLine);
    LoopbackOptions options;
    options.speed = 20.0;
    options.acceptedFormats = {{44100, 16}};
    LoopbackAudioSystem card(options);
    platform::dsound::SetAudioSystem(&card);
    MeasureBlocks(state);
    platform::dsound::SetAudioSystem(nullptr);
}
BENCHMARK(HandleOneBlock)->Unit(benchmark::kMicrosecond);

// The same on the real stack: SDL's recording device fills the buffer from a sound server's
// monitor while the CD image VELORIN_CD plays (run it under scripts/sound-server.sh).
void HandleOneBlockOnRealStack(benchmark::State& state) {
    if (std::getenv("PULSE_SERVER") == nullptr || PlayCdTrack(0) != kCaptureOk) {
        state.SkipWithError("needs a sound server (scripts/sound-server.sh) and VELORIN_CD");
        return;
    }
    MeasureBlocks(state);
    StopCd();
}
BENCHMARK(HandleOneBlockOnRealStack)->Unit(benchmark::kMicrosecond);

}  // namespace
