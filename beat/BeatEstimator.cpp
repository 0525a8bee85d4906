#include "beat/BeatEstimator.h"

#include <algorithm>

#include "beat/NumericKernels.h"

namespace {

// A grid longer than this (over four days at the upper tempo) could not be held or counted; a
// planned run length that large, or not a number, is taken as that many beats at most.
constexpr int kMaxBeatsPerGrid = 1 << 20;

// At least one frame is dropped per re-estimation, or the next frame would land past the end of
// a full history; at most the whole history.
std::int32_t HopFramesFor(double frames, std::int32_t historyLength) {
    if (!(frames >= 1.0)) {
        return 1;
    }
    if (frames > historyLength) {
        return historyLength;
    }
    return static_cast<std::int32_t>(frames);
}

int BeatCount(double beats) {
    if (!(beats > 0.0)) {
        return 0;
    }
    return beats >= kMaxBeatsPerGrid ? kMaxBeatsPerGrid : static_cast<int>(beats);
}

// 8-bit samples are unsigned, 16-bit ones signed little-endian; the two full scales differ
// (about 1 and about 655) since the analysis only compares powers.
float ConvertSample(const std::uint8_t* sample, std::int32_t sampleBytes) {
    if (sampleBytes == 1) {
        return static_cast<float>((sample[0] - 128) * 0.0078125);
    }
    const auto value = static_cast<std::int16_t>(sample[0] | (sample[1] << 8));
    return static_cast<float>((value * double{0.01F}) * 2);
}

// Converts count samples of one width into out.
void ConvertRun(const std::uint8_t* samples, std::int64_t count, std::int32_t sampleBytes,
                float* out) {
    if (sampleBytes == 1) {
        for (std::int64_t i = 0; i < count; ++i) {
            out[i] = ConvertSample(samples + i, 1);
        }
        return;
    }
    for (std::int64_t i = 0; i < count; ++i) {
        out[i] = ConvertSample(samples + 2 * i, 2);
    }
}

// Asks the cache for the samples of the frame that starts `start` samples on, if the block holds
// them: they arrive while the frame now collected is converted and analysed. A hint only.
void PrefetchFrame(const std::uint8_t* data, std::int64_t start, std::int64_t available,
                   std::int32_t sampleBytes, std::int32_t frameLength) {
    constexpr std::int64_t kLine = 64;
    if (start + frameLength > available) {
        return;
    }
    const std::uint8_t* const first = data + start * sampleBytes;
    for (std::int64_t at = 0; at < std::int64_t{frameLength} * sampleBytes; at += kLine) {
        __builtin_prefetch(first + at);
    }
}

// Exact steps of a float countdown: below 2^24 subtracting 1 loses nothing.
constexpr float kExactSteps = 16777216.0F;

template <typename Buffer>
void Free(Buffer& buffer) {
    Buffer().swap(buffer);
}

}  // namespace

BeatEstimator::BeatEstimator() {
    SetUpdateInterval(5.0F);
}

void BeatEstimator::Initialize() {
    ReleaseBuffers();
    historyFill = 0;
    framesDropped = 0;
    beats.Clear();
    bandHistory.assign(bandCount, std::vector<float>(historyLength));
    hopFrames = HopFramesFor(double{updateSeconds} * frameRate, historyLength);
    for (int s = 0; s < kPeakSlots; ++s) {
        peakFrequency[s].resize(bandCount);
        peakPhase[s].resize(bandCount);
        peakPower[s].resize(bandCount);
    }
    frameSpectrum.resize(spectrumBins);
    candidateTempo.resize(PeakEntries());
    candidateWeight.resize(PeakEntries());
    bandPhase.resize(historyLength / 2);
    bandPower.resize(historyLength / 2);
    slotValue.resize(peakCount);
    slotBin.resize(peakCount);
}

void BeatEstimator::ReleaseBuffers() {
    Free(bandHistory);
    Free(frameSpectrum);
    Free(candidateWeight);
    Free(candidateTempo);
    Free(bandPhase);
    Free(bandPower);
    Free(slotValue);
    Free(slotBin);
    for (int s = 0; s < kPeakSlots; ++s) {
        Free(peakFrequency[s]);
        Free(peakPhase[s]);
        Free(peakPower[s]);
    }
    beats.Clear();
}

void BeatEstimator::Reset() {
    historyFill = 0;
    framesDropped = 0;
    beats.Clear();
}

void BeatEstimator::SetInputFormat(std::int32_t blockBytes, std::int32_t bytesPerSample,
                                   float sampleRate, float durationSeconds) {
    this->durationSeconds = durationSeconds;
    this->sampleRate = sampleRate;
    const bool knownWidth = bytesPerSample == 1 || bytesPerSample == 2;
    samplesPerBlock = knownWidth ? blockBytes / bytesPerSample : 0;
    this->bytesPerSample = bytesPerSample;
    frameFill = 0;
    frameBuffer.assign(FrameLength(), 0.0F);
    frameCountdown = 0.0F;
    collecting = false;
}

void BeatEstimator::SetUpdateInterval(float seconds) {
    updateSeconds = seconds;
    hopFrames = HopFramesFor(double{frameRate} * seconds, historyLength);
}

void BeatEstimator::ProcessBlock(const void* data) {
    Feed(static_cast<const std::uint8_t*>(data), std::int64_t{samplesPerBlock} * bytesPerSample,
         bytesPerSample);
}

void BeatEstimator::ProcessSamples(const void* data, std::int32_t byteCount,
                                   std::int32_t bytesPerSample) {
    Feed(static_cast<const std::uint8_t*>(data), byteCount, bytesPerSample);
}

bool BeatEstimator::ReadyFor(std::int32_t sampleBytes) const {
    const bool knownWidth = sampleBytes == 1 || sampleBytes == 2;
    return knownWidth && !frameBuffer.empty() && !bandHistory.empty();
}

// Frames start at the first sample and then every sampleRate / frameRate samples (a step that
// may be fractional); only the first samples of each step make up the frame. The collector's
// state carries over between calls, so a frame may span two blocks.
void BeatEstimator::Feed(const std::uint8_t* data, std::int64_t byteCount,
                         std::int32_t sampleBytes) {
    if (!ReadyFor(sampleBytes)) {
        return;
    }
    const float step = sampleRate / frameRate;
    const std::int64_t samples = byteCount / sampleBytes;
    for (std::int64_t sample = 0; sample < samples;) {
        const std::int64_t skipped = SkipBetweenFrames(samples - sample);
        if (skipped > 0) {
            sample += skipped;
            continue;
        }
        const std::int64_t collected =
            CollectRun(data + sample * sampleBytes, samples - sample, sampleBytes);
        if (collected > 0) {
            sample += collected;
            continue;
        }
        CollectSample(data + sample * sampleBytes, sampleBytes, step);
        ++sample;
    }
}

// Between frames a sample only counts the countdown down by one. Below 2^24 each of those steps
// is exact, so a run of them is one subtraction, with the very same result. Returns how many
// samples (at most available) were passed over this way.
std::int64_t BeatEstimator::SkipBetweenFrames(std::int64_t available) {
    if (collecting || !(frameCountdown >= 1.0F && frameCountdown < kExactSteps)) {
        return 0;
    }
    const auto skipped = std::min(static_cast<std::int64_t>(frameCountdown), available);
    frameCountdown -= static_cast<float>(skipped);
    return skipped;
}

// Inside a frame, while no new frame is due, a sample counts the countdown down by one and is
// converted into the frame: a run of them is one subtraction and one conversion loop, with the
// very same result. Returns how many samples (at most available) were taken this way.
std::int64_t BeatEstimator::CollectRun(const std::uint8_t* data, std::int64_t available,
                                       std::int32_t sampleBytes) {
    if (!collecting || !(frameCountdown >= 1.0F && frameCountdown < kExactSteps)) {
        return 0;
    }
    const auto nextFrame = static_cast<std::int64_t>(frameCountdown);
    const std::int64_t run =
        std::min({available, nextFrame, std::int64_t{FrameLength() - frameFill}});
    PrefetchFrame(data, nextFrame, available, sampleBytes, FrameLength());
    ConvertRun(data, run, sampleBytes, frameBuffer.data() + frameFill);
    frameCountdown -= static_cast<float>(run);
    frameFill += static_cast<std::int32_t>(run);
    if (frameFill == FrameLength()) {
        frameFill = 0;
        collecting = false;
        AnalyzeFrame(frameBuffer.data());
    }
    return run;
}

void BeatEstimator::CollectSample(const std::uint8_t* sample, std::int32_t sampleBytes,
                                  float step) {
    if (frameCountdown < 1.0F) {
        frameCountdown += step;
        collecting = true;
    }
    frameCountdown -= 1.0F;
    if (!collecting) {
        return;
    }
    frameBuffer[frameFill] = ConvertSample(sample, sampleBytes);
    frameFill += 1;
    if (frameFill == FrameLength()) {
        frameFill = 0;
        collecting = false;
        AnalyzeFrame(frameBuffer.data());
    }
}

void BeatEstimator::AnalyzeFrame(const float* frame) {
    PowerSpectrum(frame, frameSpectrum.data(), spectrumBins, segmentCount / 2);
    const int binsPerBand = spectrumBins / bandCount;
    for (int b = 0; b < bandCount; ++b) {
        double sum = 0.0;
        for (int k = b * spectrumBins / bandCount; k < (b + 1) * spectrumBins / bandCount; ++k) {
            sum += frameSpectrum[k];
        }
        bandHistory[b][historyFill] = static_cast<float>(sum / binsPerBand);
    }
    historyFill += 1;
    if (historyFill == historyLength) {
        FindBandPeaks();
        EstimateTempo();
        PlaceBeats();
        historyFill -= hopFrames;
        framesDropped += hopFrames;
        ShiftHistory();
    }
}

void BeatEstimator::ShiftHistory() {
    for (std::vector<float>& band : bandHistory) {
        std::copy(band.begin() + hopFrames, band.begin() + historyLength, band.begin());
    }
}

// Keeps the beats predicted earlier up to one period (plus 0.2 s) before the new grid and
// replaces the rest by a grid of period 1 / tempo from the history start plus beatOffset.
void BeatEstimator::PlaceBeats() {
    if (tempo == 0.0F) {
        return;
    }
    const auto dt = static_cast<float>(1.0 / frameRate);
    const auto period = static_cast<float>(1.0 / tempo);
    const double start = framesDropped * double{dt};
    const auto cut = static_cast<float>(start + beatOffset - period + 0.2);
    if (framesDropped > 0) {
        beats.RemoveIf([cut](float time) { return time > cut; });
    }
    const int count = BeatCount((double{durationSeconds} - cut) * tempo);
    const auto gridStart = static_cast<float>(start);
    for (int i = 0; i < count; ++i) {
        beats.Append(static_cast<float>(i * double{period} + gridStart + beatOffset));
    }
}
