// The audio test's parts on the real stack: SDL's default devices on a sound server whose
// recording source hears its output, and the CD image VELORIN_CD names (its track 1 at least 12
// seconds long), played digitally. Run it on a private server, after
// velorin-disc /tmp/disc.cue 30, with:
// VELORIN_CD=/tmp/disc.cue scripts/sound-server.sh
// build/release/bench/audiotest/velorin_audiotest_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "audiotest/CSoundCapture.h"
#include "audiotest/CdAudio.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kHeard = 2000;  // a 16-bit sample this far from silence is the CD

bool OnRealStack(benchmark::State& state) {
    if (std::getenv("PULSE_SERVER") == nullptr || std::getenv("VELORIN_CD") == nullptr) {
        state.SkipWithError("needs a sound server (scripts/sound-server.sh) and VELORIN_CD");
        return false;
    }
    return true;
}

// Whether bytes from offset up to end (round the buffer) hold a loud 16-bit sample.
bool LoudBetween(CSoundCapture& engine, std::uint32_t offset, std::uint32_t end) {
    const std::uint32_t size = engine.device->bufferDesc.bufferBytes;
    const std::uint32_t bytes = (end + size - offset) % size / 2 * 2;
    platform::dsound::LockedRegions regions;
    if (bytes == 0 || !engine.device->buffer->Lock(offset, bytes, regions)) {
        return false;
    }
    bool loud = false;
    for (const auto& [data, count] : {std::pair{regions.first, regions.firstBytes},
                                      std::pair{regions.second, regions.secondBytes}}) {
        for (std::uint32_t index = 0; index + 1 < count && !loud; index += 2) {
            const auto sample = static_cast<std::int16_t>(data[index] | data[index + 1] << 8);
            loud = sample > kHeard || sample < -kHeard;
        }
    }
    engine.device->buffer->Unlock(regions);
    return loud;
}

// Time from the play command to the first loud sample in the capture buffer, polled every
// millisecond: the sound server's and SDL's latency in both directions.
void PlayToFirstCapturedAudio(benchmark::State& state) {
    if (!OnRealStack(state)) {
        return;
    }
    for (auto _ : state) {
        CSoundCapture engine;
        g_currentCapture = &engine;
        if (engine.InitCapture() != kCaptureOk || engine.device->format.bitsPerSample != 16) {
            state.SkipWithError("no 16-bit capture");
            return;
        }
        engine.StartBuffer();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        std::uint32_t seen = engine.device->buffer->ReadPosition();
        const auto start = Clock::now();
        PlayCdTrack(0);
        while (Clock::now() - start < std::chrono::seconds(5)) {
            const std::uint32_t now = engine.device->buffer->ReadPosition();
            if (LoudBetween(engine, seen, now)) {
                break;
            }
            seen = now;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        StopCd();
        engine.StopBuffer();
    }
}
BENCHMARK(PlayToFirstCapturedAudio)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// A 10-second run as the audio test makes it, timed from StartCapture until the thread ends it.
// Meanwhile the capture position is followed every millisecond: "missed" counts the halves the
// card filled beyond the blocks the thread handled (each a notification it never saw).
void CaptureRunOnRealStack(benchmark::State& state) {
    if (!OnRealStack(state)) {
        return;
    }
    constexpr float kSeconds = 10.0f;
    double missed = 0.0;
    for (auto _ : state) {
        CSoundCapture engine;
        g_currentCapture = &engine;
        engine.durationSeconds = kSeconds;
        if (engine.InitCapture() != kCaptureOk) {
            state.SkipWithError("no capture");
            return;
        }
        const auto& format = engine.device->format;
        const std::uint32_t size = engine.device->bufferDesc.bufferBytes;
        engine.estimator->SetInputFormat(static_cast<std::int32_t>(size / 2),
                                         format.bitsPerSample / 8,
                                         static_cast<float>(format.samplesPerSec), kSeconds);
        engine.elapsedSeconds = 0.0f;
        PlayCdTrack(0);
        const auto start = Clock::now();
        engine.StartCapture();
        std::uint64_t captured = 0;
        std::uint32_t last = engine.device->buffer->ReadPosition();
        while (engine.running.load() || engine.threadAlive.load()) {
            const std::uint32_t now = engine.device->buffer->ReadPosition();
            captured += (now + size - last) % size;
            last = now;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        StopCd();
        state.SetIterationTime(wall);
        const double handled = engine.elapsedSeconds.load() / 0.5;
        const std::uint64_t filled = captured / (size / 2);  // halves, counted once complete
        missed += std::max(0.0, static_cast<double>(filled) - handled);
        state.counters["late_s"] = wall - kSeconds;
    }
    state.counters["missed"] = missed;
}
BENCHMARK(CaptureRunOnRealStack)->UseManualTime()->Iterations(6)->Unit(benchmark::kSecond);

}  // namespace
