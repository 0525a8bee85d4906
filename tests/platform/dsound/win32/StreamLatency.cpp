// Prints how long a tone written to the output stream takes to reach the capture, on the real
// sound card (under Wine, a sound server: run it as scripts/sound-server.sh wine64 PROGRAM).
// Each trial writes a short tone into a stream that plays silence and polls the capture until a
// sample passes the threshold; the figures are the median, the fastest and the slowest trial.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "platform/dsound/DirectSound.h"

namespace {

using namespace platform::dsound;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::uint32_t kRate = 8000;
constexpr std::uint32_t kBufferBytes = 2 * kRate;  // one second of 16-bit mono
constexpr int kTrials = 10;
constexpr int kThreshold = 32768 / 10;
constexpr auto kGiveUp = 3s;
constexpr auto kQuietBetween = 500ms;

std::vector<std::int16_t> Tone() {
    constexpr int kFrames = kCdSampleRate / 10;  // a tenth of a second
    std::vector<std::int16_t> samples(kFrames * kCdChannels);
    for (int frame = 0; frame < kFrames; ++frame) {
        const double phase = 2.0 * std::numbers::pi * 440.0 * frame / kCdSampleRate;
        const auto value = static_cast<std::int16_t>(16000.0 * std::sin(phase));
        samples[2 * frame] = value;
        samples[2 * frame + 1] = value;
    }
    return samples;
}

// Reads what was captured since the last call; true when a sample passes the threshold.
class CaptureWatch {
  public:
    explicit CaptureWatch(CaptureBuffer& buffer) : buffer_(buffer) {}
    bool HeardSomething() {
        const std::uint32_t position = buffer_.ReadPosition();
        const std::uint32_t bytes = (position + kBufferBytes - read_) % kBufferBytes & ~1u;
        LockedRegions regions;
        if (bytes == 0 || !buffer_.Lock(read_, bytes, regions)) {
            return false;
        }
        const bool heard =
            Loud(regions.first, regions.firstBytes) || Loud(regions.second, regions.secondBytes);
        buffer_.Unlock(regions);
        read_ = (read_ + bytes) % kBufferBytes;
        return heard;
    }

  private:
    static bool Loud(const std::uint8_t* bytes, std::uint32_t count) {
        const auto* samples = reinterpret_cast<const std::int16_t*>(bytes);
        return std::any_of(samples, samples + count / 2,
                           [](std::int16_t sample) { return std::abs(sample) > kThreshold; });
    }
    CaptureBuffer& buffer_;
    std::uint32_t read_ = 0;
};

// Milliseconds from the write to the first loud captured sample; negative when never heard.
double Trial(OutputStream& stream, CaptureWatch& watch, const std::vector<std::int16_t>& tone) {
    const auto quietUntil = Clock::now() + kQuietBetween;
    while (Clock::now() < quietUntil) {
        watch.HeardSomething();
        platform::thread::Sleep(1ms);
    }
    const auto written = Clock::now();
    if (!stream.Write(tone)) {
        return -1.0;
    }
    while (Clock::now() - written < kGiveUp) {
        if (watch.HeardSomething()) {
            return std::chrono::duration<double, std::milli>(Clock::now() - written).count();
        }
        platform::thread::Sleep(1ms);
    }
    return -1.0;
}

}  // namespace

int main() {
    auto capture = CreateCapture();
    const WaveFormat format{kFormatPcm, 1, kRate, 2 * kRate, 2, 16, 0};
    auto buffer =
        capture != nullptr ? capture->CreateCaptureBuffer({kBufferBytes, &format}) : nullptr;
    auto stream = OpenOutputStream();
    if (buffer == nullptr || stream == nullptr || !buffer->StartLooping()) {
        std::fprintf(stderr, "no sound card\n");
        return 1;
    }
    CaptureWatch watch(*buffer);
    const auto tone = Tone();
    std::vector<double> latencies;
    for (int trial = 0; trial < kTrials; ++trial) {
        const double latency = Trial(*stream, watch, tone);
        if (latency < 0.0) {
            std::fprintf(stderr, "trial %d: the tone was not heard\n", trial + 1);
            return 1;
        }
        latencies.push_back(latency);
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf(
        "write to captured audio: median %.0f ms, fastest %.0f ms, slowest %.0f ms (%d "
        "trials)\n",
        latencies[latencies.size() / 2], latencies.front(), latencies.back(), kTrials);
    buffer->Stop();
    return 0;
}
