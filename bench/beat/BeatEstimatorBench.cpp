// Feeding 44.1 kHz 16-bit mono in half-second blocks, as the capture thread does: the real-time
// factor, the cost of one block and of one re-estimation, and the heap allocations of each.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "beat/BeatEstimator.h"
#include "bench/beat/AllocationCount.h"
#include "tests/beat/Signals.h"

namespace {

constexpr int kRate = 44100;
constexpr std::int32_t kBlockBytes = kRate * 2 / 2;
constexpr double kBlockSeconds = 0.5;
constexpr int kFramesPerBlock = 10;  // 22050 samples, one frame every 2205
constexpr double kSignalSeconds = 60.0;

const std::vector<std::uint8_t>& Audio() {
    static const std::vector<std::uint8_t> audio =
        beat_signals::LittleEndian(beat_signals::ClickTrack(kRate, kSignalSeconds, 2.1, 0.05));
    return audio;
}

void StartRun(BeatEstimator& e) {
    e.Initialize();
    e.Reset();
    e.SetInputFormat(kBlockBytes, 2, float{kRate}, static_cast<float>(kSignalSeconds));
    e.Reset();
}

// Runs of the whole signal, re-estimations included (one every ten blocks).
void BM_FeedHalfSecondBlocks(benchmark::State& state) {
    BeatEstimator e;
    StartRun(e);
    const std::vector<std::uint8_t>& audio = Audio();
    std::size_t position = 0;
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        if (position + kBlockBytes > audio.size()) {
            state.PauseTiming();
            StartRun(e);
            position = 0;
            state.ResumeTiming();
        }
        const std::uint64_t before = AllocationCount();
        e.ProcessBlock(audio.data() + position);
        allocations += AllocationCount() - before;
        position += kBlockBytes;
    }
    const auto blocks = static_cast<double>(state.iterations());
    state.counters["audio_s_per_cpu_s"] =
        benchmark::Counter(blocks * kBlockSeconds, benchmark::Counter::kIsRate);
    state.counters["allocs_per_block"] = double(allocations) / blocks;
}
BENCHMARK(BM_FeedHalfSecondBlocks);

// One block that completes frames but no re-estimation: one work vector per frame, nothing else.
void BM_BlockWithoutReEstimation(benchmark::State& state) {
    BeatEstimator e;
    StartRun(e);
    const std::vector<std::uint8_t>& audio = Audio();
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        if (e.historyFill + kFramesPerBlock + 1 >= e.historyLength) {
            state.PauseTiming();
            e.Reset();
            state.ResumeTiming();
        }
        const std::uint64_t before = AllocationCount();
        e.ProcessBlock(audio.data());
        allocations += AllocationCount() - before;
    }
    const double perBlock = double(allocations) / static_cast<double>(state.iterations());
    state.counters["allocs_per_block"] = perBlock;
    if (perBlock > kFramesPerBlock) {
        state.SkipWithError("a block allocated more than one work vector per frame");
    }
}
BENCHMARK(BM_BlockWithoutReEstimation);

// One re-estimation on a full history of the click track, as the second and later ones run.
void BM_ReEstimation(benchmark::State& state) {
    BeatEstimator e;
    StartRun(e);
    const std::vector<std::uint8_t>& audio = Audio();
    for (std::size_t position = 0; e.framesDropped == 0; position += kBlockBytes) {
        e.ProcessBlock(audio.data() + position);
    }
    const std::uint64_t before = AllocationCount();
    for (auto _ : state) {
        e.FindBandPeaks();
        e.EstimateTempo();
        e.PlaceBeats();
    }
    state.counters["allocs_per_estimate"] =
        double(AllocationCount() - before) / static_cast<double>(state.iterations());
    state.counters["tempo"] = e.tempo;
}
BENCHMARK(BM_ReEstimation);

}  // namespace
