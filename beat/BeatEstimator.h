#pragma once
// Turns live 8-bit unsigned or 16-bit signed little-endian PCM into a tempo (beats per second)
// and a list of predicted beat times (seconds from the first sample fed after SetInputFormat).
//
// Every 1/20 s of input one frame of 256 samples is analysed into 8 band energies, kept in a
// history of 256 frames. Each time the history is full, the periodicity of the bands gives a tempo
// and a phase, the beat grid is predicted anew up to the planned end of the run, and the oldest
// hopFrames frames are dropped.
//
// A plain class with public fields: the capture engine reads tempo and beats, and tests drive the
// single steps. Not thread-safe; one feeding thread at a time.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "beat/BeatList.h"

class BeatEstimator {
  public:
    static constexpr int kPeakSlots = 10;  // capacity of the peak tables; peakCount uses a part

    BeatEstimator();

    void Initialize();
    void Reset();
    void SetInputFormat(std::int32_t blockBytes, std::int32_t bytesPerSample, float sampleRate,
                        float durationSeconds);
    void SetUpdateInterval(float seconds);
    // One standard block of samplesPerBlock * bytesPerSample bytes.
    void ProcessBlock(const void* data);
    // A block of any length; only whole samples of bytesPerSample bytes are read.
    void ProcessSamples(const void* data, std::int32_t byteCount, std::int32_t bytesPerSample);

    // Internal steps, public so that each can be driven on its own.
    void AnalyzeFrame(const float* frame);
    void PlaceBeats();
    void ReleaseBuffers();
    void FindBandPeaks();
    void EstimateTempo();
    void EstimatePhase();
    void ComputeBeatOffset();
    // Counts down up to available samples that fall between frames, as feeding them would, and
    // returns how many that was: a reader may then skip those samples instead of feeding them.
    std::int64_t SkipBetweenFrames(std::int64_t available);
    // Entries in a table of every peak: peakCount slots in each of bandCount bands.
    std::size_t PeakEntries() const {
        return static_cast<std::size_t>(peakCount) * static_cast<std::size_t>(bandCount);
    }

    float sampleRate = 44100.0F;  // input samples per second
    float frameRate = 20.0F;      // analysis frames per second
    float upperTempo = 2.7F;      // beats per second, exclusive
    std::int32_t bandCount = 8;
    std::int32_t historyLength = 256;             // frames kept per band
    std::vector<std::vector<float>> bandHistory;  // [band][frame position in the history]
    float tempo = 0.0F;                           // beats per second; 0 while none found
    float phase = 0.0F;                           // radians
    std::int32_t segmentCount = 2;                // segments per analysis frame
    std::int32_t spectrumBins = 64;
    BeatList beats;
    std::int32_t historyFill = 0;    // frames now in the history
    std::int32_t hopFrames = 100;    // frames dropped after each re-estimation
    float updateSeconds = 5.0F;      // seconds between re-estimations
    std::int32_t framesDropped = 0;  // frames dropped since the run began
    float beatOffset = 0.0F;         // seconds from the history start to its first beat
    std::array<std::vector<float>, kPeakSlots> peakFrequency;  // [slot][band], beats per second
    std::array<std::vector<float>, kPeakSlots> peakPhase;      // [slot][band], radians
    std::array<std::vector<float>, kPeakSlots> peakPower;      // [slot][band]
    std::vector<float> frameSpectrum;
    std::vector<float> candidateWeight;
    std::vector<float> candidateTempo;
    std::vector<float> bandPower;
    std::vector<float> bandPhase;
    std::vector<float> slotValue;
    std::vector<std::int32_t> slotBin;
    float lowerTempo = 1.5F;         // beats per second, exclusive
    float durationSeconds = 30.0F;   // planned run length; beats are predicted up to it
    std::int32_t peakCount = 4;      // peak slots used per band, at most kPeakSlots
    std::vector<float> frameBuffer;  // the frame being collected; exists after SetInputFormat
    std::int32_t frameFill = 0;      // samples now in frameBuffer
    std::int32_t bytesPerSample = 0;
    std::int32_t samplesPerBlock = 0;  // samples in one standard capture block
    float frameCountdown = 0.0F;       // input samples until the next frame starts
    bool collecting = false;           // a frame is being collected

  private:
    int FrameLength() const { return 2 * segmentCount * spectrumBins; }
    bool ReadyFor(std::int32_t sampleBytes) const;
    void Feed(const std::uint8_t* data, std::int64_t byteCount, std::int32_t sampleBytes);
    std::int64_t CollectRun(const std::uint8_t* data, std::int64_t available,
                            std::int32_t sampleBytes);
    void CollectSample(const std::uint8_t* sample, std::int32_t sampleBytes, float step);
    void ShiftHistory();
};
