#include <chrono>

#include "audiotest/CSoundCapture.h"
#include "platform/debug/DebugOutput.h"

namespace dsound = platform::dsound;
using namespace std::chrono_literals;

CSoundCapture* g_currentCapture = nullptr;
std::uint32_t g_captureReadOffset = 0;

namespace {

constexpr auto kSilenceTimeOut = 12000ms;      // a device that delivers nothing ends the run
constexpr float kBlockSeconds = 0.5f;          // audio between two notifications
constexpr float kLoudLevel = 10.0f;            // a block above this level is heard
constexpr float kSampleScale = 3.0518509e-5f;  // 1/32767 in single precision

// Bytes from the read offset up to and including end, round the circular buffer.
std::uint32_t BytesUpTo(std::uint32_t end, std::uint32_t bufferBytes) {
    return (end + bufferBytes - g_captureReadOffset) % bufferBytes + 1;
}

}  // namespace

float BlockLevel(const std::uint8_t* block, std::uint32_t bytes, std::uint16_t bitsPerSample) {
    float level = 0.0f;
    if (bitsPerSample == 8) {
        for (std::uint32_t index = 0; index < bytes; ++index) {
            const auto value = static_cast<std::uint8_t>(block[index] + 128);
            level += static_cast<float>(value * value);
        }
        return level;
    }
    for (std::uint32_t offset = 0; offset + 1 < bytes; offset += 2) {
        const auto sample = static_cast<std::int16_t>(block[offset] | block[offset + 1] << 8);
        const float x = static_cast<float>(sample) * kSampleScale;
        level += x * x;
    }
    return level;
}

// The engine is taken once, at the start: the UI thread may store the next attempt's engine
// while this thread is still on its way out.
void CaptureThreadProc(void*) {
    CSoundCapture& engine = *g_currentCapture;
    engine.threadAlive = true;
    engine.StartBuffer();
    platform::thread::Event* events[] = {engine.notifyEvents[0].get(), engine.notifyEvents[1].get(),
                                         engine.notifyEvents[2].get()};
    while (engine.running.load()) {
        const int result = platform::thread::WaitForAny(events, kSilenceTimeOut);
        if (result == platform::thread::kWaitTimeout) {
            engine.StopBuffer();
            engine.running = false;
            break;
        }
        engine.OnCaptureNotify(result);
    }
    engine.threadAlive = false;
}

void CSoundCapture::OnCaptureNotify(std::int32_t index) {
    const std::uint32_t bufferBytes = device->bufferDesc.bufferBytes;
    std::uint32_t end = device->positions[static_cast<std::size_t>(index)].offset;
    if (end == dsound::kOffsetStop) {
        end = (device->buffer->ReadPosition() + bufferBytes - 1) % bufferBytes;
    }
    const std::uint32_t count = BytesUpTo(end, bufferBytes);
    dsound::LockedRegions regions;
    const bool locked = device->buffer->Lock(g_captureReadOffset, count, regions);
    if (!locked) {
        platform::debug::OutputDebugText("Capture lock failure\n");
    }
    elapsedSeconds = elapsedSeconds + kBlockSeconds;
    const bool lastBlock = durationSeconds - kBlockSeconds < elapsedSeconds;
    if (lastBlock) {
        StopBuffer();
    }
    if (locked) {
        const std::uint16_t bits = device->format.bitsPerSample;
        const auto sampleBytes = static_cast<std::int32_t>(bits / 8);
        if (count == bufferBytes / 2) {
            estimator->ProcessBlock(regions.first);
        } else {
            // Whole samples only: the estimator reads a sample's every byte.
            const auto whole =
                static_cast<std::int32_t>(regions.firstBytes) / sampleBytes * sampleBytes;
            estimator->ProcessSamples(regions.first, whole, sampleBytes);
        }
        blockLevel = BlockLevel(regions.first, regions.firstBytes, bits);
        if (blockLevel > kLoudLevel) {
            device->noAudioDetected = false;
        }
        device->buffer->Unlock(regions);
    }
    g_captureReadOffset = (g_captureReadOffset + count) % bufferBytes;
    // Only now may the UI thread read the verdict.
    if (lastBlock) {
        running = false;
    }
}
