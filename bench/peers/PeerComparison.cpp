// Ten minutes of 44.1 kHz audio (clicks, then music-like) through our estimator, aubio's tempo
// tracker and SoundTouch's BPM detector, analysis only: each gets its input in its own sample
// format, made before the clock starts. Prints the CPU time per second of audio of each (the median
// of a few passes, this thread's own CPU time) and how many times less CPU ours takes.
#include <BPMDetect.h>
#include <aubio/aubio.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

#include "beat/BeatEstimator.h"
#include "tests/beat/Signals.h"

namespace {

constexpr int kRate = 44100;
constexpr double kSeconds = 600.0;
constexpr int kPasses = 3;

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Fed as the capture engine feeds it: half-second blocks of 16-bit little-endian samples.
double Ours(const std::vector<std::uint8_t>& pcm) {
    constexpr std::int32_t kBlockBytes = kRate;
    BeatEstimator estimator;
    estimator.Initialize();
    estimator.Reset();
    estimator.SetInputFormat(kBlockBytes, 2, float{kRate}, static_cast<float>(kSeconds));
    estimator.Reset();
    std::size_t at = 0;
    for (; at + kBlockBytes <= pcm.size(); at += kBlockBytes) {
        estimator.ProcessBlock(pcm.data() + at);
    }
    estimator.ProcessSamples(pcm.data() + at, static_cast<std::int32_t>(pcm.size() - at), 2);
    return estimator.tempo * 60.0;
}

// aubio's default tempo method, its usual window of 1024 and hop of 512 samples.
double Aubio(const std::vector<float>& samples) {
    constexpr uint_t kWindow = 1024;
    constexpr uint_t kHop = 512;
    aubio_tempo_t* const tempo = new_aubio_tempo("default", kWindow, kHop, kRate);
    fvec_t* const in = new_fvec(kHop);
    fvec_t* const out = new_fvec(2);
    for (std::size_t at = 0; at + kHop <= samples.size(); at += kHop) {
        std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(at), kHop, in->data);
        aubio_tempo_do(tempo, in, out);
    }
    const double bpm = aubio_tempo_get_bpm(tempo);
    del_fvec(out);
    del_fvec(in);
    del_aubio_tempo(tempo);
    return bpm;
}

double SoundTouch(const std::vector<float>& samples) {
    constexpr std::size_t kChunk = 4096;
    soundtouch::BPMDetect detector(1, kRate);
    for (std::size_t at = 0; at < samples.size(); at += kChunk) {
        const std::size_t count = std::min(kChunk, samples.size() - at);
        detector.inputSamples(samples.data() + at, static_cast<int>(count));
    }
    return detector.getBpm();
}

struct Result {
    const char* name;
    std::vector<double> cpu;
    double bpm = 0.0;
    double Median() const {
        std::vector<double> sorted = cpu;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

void Compare(const char* title, const std::vector<std::int16_t>& audio) {
    const std::vector<std::uint8_t> pcm = beat_signals::LittleEndian(audio);
    std::vector<float> floats(audio.size());
    std::transform(audio.begin(), audio.end(), floats.begin(),
                   [](std::int16_t s) { return static_cast<float>(s) / 32768.0F; });
    std::array<Result, 3> results{{{"velorin", {}}, {"aubio", {}}, {"soundtouch", {}}}};
    const std::array<std::function<double()>, 3> runs = {[&] { return Ours(pcm); },
                                                         [&] { return Aubio(floats); },
                                                         [&] { return SoundTouch(floats); }};
    for (int pass = 0; pass < kPasses; ++pass) {
        for (std::size_t r = 0; r < runs.size(); ++r) {
            const double before = ThreadCpuSeconds();
            results[r].bpm = runs[r]();
            results[r].cpu.push_back(ThreadCpuSeconds() - before);
        }
    }
    std::printf("%s: %.0f s of 44.1 kHz audio, median of %d passes\n", title, kSeconds, kPasses);
    const double ours = results[0].Median();
    for (const Result& result : results) {
        const double median = result.Median();
        std::printf(
            "  %-10s %8.2f us CPU per audio second %9.0fx real time %6.1f bpm %6.1fx ours\n",
            result.name, 1e6 * median / kSeconds, kSeconds / median, result.bpm, median / ours);
    }
}

}  // namespace

int main() {
    Compare("clicks at 123 bpm", beat_signals::ClickTrack(kRate, kSeconds, 2.05, 0.05));
    Compare("music-like at 123 bpm", beat_signals::MusicLike(kRate, kSeconds, 2.05));
    return 0;
}
