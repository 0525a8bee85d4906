// Feeds the beat estimator arbitrary bytes in arbitrary block sizes, sample widths, sample rates,
// run lengths and update intervals. The payload can be fed repeatedly so that a small input still
// fills the history and reaches the periodicity analysis.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "beat/BeatEstimator.h"

namespace {

constexpr int kMaxRepeats = 256;
// Enough for a full history when every sample is collected (rates up to 5120 samples/s), small
// enough to keep one input well under a second with the sanitizers.
constexpr std::size_t kMaxFedBytes = 256 * 1024;

float SampleRate(FuzzedDataProvider& in) {
    constexpr std::array<float, 6> kCommon{8000.0F,  11025.0F, 22050.0F,
                                           44100.0F, 48000.0F, 1000.0F};
    if (in.ConsumeBool()) {
        return in.PickValueInArray(kCommon);
    }
    return std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>());  // NaN, infinities too
}

float RunSeconds(FuzzedDataProvider& in) {
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        return in.ConsumeBool() ? std::numeric_limits<float>::quiet_NaN()
                                : -std::numeric_limits<float>::infinity();
    }
    return in.ConsumeFloatingPointInRange(-100.0F, 1000.0F);
}

void Configure(BeatEstimator& e, FuzzedDataProvider& in) {
    e.SetUpdateInterval(in.ConsumeFloatingPointInRange(-1.0F, 20.0F));
    e.Initialize();
    e.Reset();
    const auto blockBytes = in.ConsumeIntegralInRange<std::int32_t>(-4, 1 << 16);
    const auto width = in.ConsumeIntegralInRange<std::int32_t>(-1, 4);
    const float rate = SampleRate(in);
    e.SetInputFormat(blockBytes, width, rate, RunSeconds(in));
    if (in.ConsumeBool()) {
        e.Reset();
    }
}

// Each step feeds the next piece of the payload as a standard block or as a block of its own
// length and sample width.
void Feed(BeatEstimator& e, FuzzedDataProvider& in, const std::vector<std::uint8_t>& payload) {
    const std::size_t blockLength =
        e.samplesPerBlock > 0 ? std::size_t(e.samplesPerBlock) * std::size_t(e.bytesPerSample) : 0;
    std::vector<std::uint8_t> block;
    const auto piece = in.ConsumeIntegralInRange<std::size_t>(0, 4096);
    const auto width = in.ConsumeIntegralInRange<std::int32_t>(-1, 3);
    const bool standard = in.ConsumeBool() && blockLength > 0;
    const std::size_t stride = piece == 0 ? std::max<std::size_t>(payload.size(), 1) : piece;
    const std::size_t pieces = (payload.size() + stride - 1) / stride;
    const std::size_t fedPerPass =
        std::max<std::size_t>(standard ? pieces * blockLength : payload.size(), 1);
    const int repeats = static_cast<int>(
        std::min<std::size_t>(in.ConsumeIntegralInRange(1, kMaxRepeats),
                              std::max<std::size_t>(kMaxFedBytes / fedPerPass, 1)));
    for (int r = 0; r < repeats; ++r) {
        for (std::size_t at = 0; at < payload.size(); at += stride) {
            const std::size_t length = std::min(stride, payload.size() - at);
            if (standard) {
                block.assign(blockLength, 0);
                std::copy_n(payload.begin() + at, std::min(length, blockLength), block.begin());
                e.ProcessBlock(block.data());
            } else {
                block.assign(payload.begin() + at, payload.begin() + at + length);
                e.ProcessSamples(block.data(), static_cast<std::int32_t>(length), width);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    BeatEstimator e;
    Configure(e, in);
    const int steps = in.ConsumeIntegralInRange(1, 3);
    for (int step = 0; step < steps; ++step) {
        const std::vector<std::uint8_t> payload = in.ConsumeBytes<std::uint8_t>(
            in.ConsumeIntegralInRange<std::size_t>(0, in.remaining_bytes()));
        Feed(e, in, payload);
    }
    float previous = -std::numeric_limits<float>::infinity();
    for (const float time : e.beats) {
        if (time < previous) {
            __builtin_trap();  // the beat list must stay ascending
        }
        previous = time;
    }
    return 0;
}
