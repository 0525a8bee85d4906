#pragma once
// The capture engine: the sound card's recording input in mono PCM, into a circular buffer of one
// second whose two halves are handed, as they fill, to a capture thread that feeds the beat
// estimator, measures each block's level and ends the run after the planned seconds.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "beat/BeatEstimator.h"
#include "platform/dsound/DirectSound.h"
#include "platform/thread/Thread.h"
#include "platform/ui/Window.h"

// Results of the capture and CD functions.
constexpr std::int32_t kCaptureOk = 1;
constexpr std::int32_t kCaptureAlreadyRunning = -2;
constexpr std::int32_t kCdUnavailable = -3;
constexpr std::int32_t kCdPlayRefused = -4;
constexpr std::int32_t kCaptureDeviceUnavailable = -5;
constexpr std::int32_t kCaptureNotifyUnavailable = -6;
constexpr std::int32_t kCaptureThreadUnavailable = -7;

// The DirectSoundCapture objects of one set-up and the verdict of the run.
struct CaptureDeviceState {
    CaptureDeviceState() = default;
    CaptureDeviceState(const CaptureDeviceState&) = delete;
    CaptureDeviceState& operator=(const CaptureDeviceState&) = delete;

    std::unique_ptr<platform::dsound::Capture> capture;
    std::unique_ptr<platform::dsound::CaptureBuffer> buffer;
    std::unique_ptr<platform::dsound::CaptureNotify> notify;
    platform::dsound::CaptureBufferDesc bufferDesc;             // one second of format
    std::array<platform::dsound::PositionNotify, 3> positions;  // the two halves, then the stop
    platform::dsound::WaveFormat format;
    std::atomic<bool> noAudioDetected{true};  // cleared by the thread when a block is loud
};

class CSoundCapture {
  public:
    CSoundCapture();
    // Waits for the capture thread to leave, then releases everything.
    ~CSoundCapture();
    CSoundCapture(const CSoundCapture&) = delete;
    CSoundCapture& operator=(const CSoundCapture&) = delete;

    std::int32_t InitCapture();
    void ReleaseCapture();
    std::int32_t StartCapture();
    bool StartBuffer();
    void StopBuffer();
    void OnCaptureNotify(std::int32_t index);

    // The audio test; a failure is shown with Retry and Cancel, or, without a backdrop window,
    // its built-in text lands in errorText. True when the test passed.
    bool RunAudioTest(char* errorText, std::int32_t errorTextSize,
                      platform::ui::Window* backdropWnd, platform::ui::Window* launcherWnd);

    // Shared with the capture thread, which clears running once it has judged the run's last
    // block, and threadAlive as it leaves.
    std::atomic<bool> running{false};
    std::atomic<bool> threadAlive{false};
    std::array<std::unique_ptr<platform::thread::Event>, 3> notifyEvents;
    std::unique_ptr<CaptureDeviceState> device;
    std::unique_ptr<BeatEstimator> estimator;
    std::atomic<float> durationSeconds{0.0f};  // planned run length
    std::atomic<float> elapsedSeconds{0.0f};   // audio captured in this run
    bool captureReady = false;                 // the set-up succeeded; UI thread only
    float blockLevel = 0.0f;                   // level of the last block; capture thread only

  private:
    std::int32_t CreateBufferInBestFormat();
    void FillPositions();
    std::int32_t RunAttempt(platform::ui::Window* backdropWnd, platform::ui::Window* launcherWnd);
    std::int32_t SetUpCaptureBesidePlayback();
    void CaptureRun(platform::ui::Window* backdropWnd, platform::ui::Window* launcherWnd);
    bool OfferRetry(std::int32_t code, platform::ui::Window* backdropWnd,
                    platform::ui::Window* launcherWnd);
};

// The engine the capture thread works on; the audio test sets it before the capture set-up.
extern CSoundCapture* g_currentCapture;
// Offset in the capture buffer of the next unread byte; 0 for a new buffer, kept across runs.
extern std::uint32_t g_captureReadOffset;

// The capture thread; its argument is ignored.
void CaptureThreadProc(void* unused);

// The level of a block: the sum of its squared samples, 8-bit bytes counted as (b + 128) mod 256
// and 16-bit samples scaled by 1/32767. Only whole samples inside the block count.
float BlockLevel(const std::uint8_t* block, std::uint32_t bytes, std::uint16_t bitsPerSample);
