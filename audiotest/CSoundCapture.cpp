#include "audiotest/CSoundCapture.h"

#include <chrono>
#include <iterator>

#include "audiotest/CaptureFormat.h"

namespace dsound = platform::dsound;
using namespace std::chrono_literals;

CSoundCapture::CSoundCapture()
    : device(std::make_unique<CaptureDeviceState>()), estimator(std::make_unique<BeatEstimator>()) {
    estimator->Initialize();
}

// The thread may still be leaving its loop; it is never killed.
CSoundCapture::~CSoundCapture() {
    while (threadAlive.load()) {
        platform::thread::Sleep(1000ms);
    }
    estimator.reset();
    if (captureReady) {
        ReleaseCapture();
    }
}

std::int32_t CSoundCapture::InitCapture() {
    if (captureReady) {
        return kCaptureOk;
    }
    device->capture = dsound::CreateCapture();
    if (device->capture == nullptr) {
        return kCaptureDeviceUnavailable;
    }
    device->bufferDesc = {0, &device->format};
    device->format = {};
    device->format.formatTag = dsound::kFormatPcm;
    if (CreateBufferInBestFormat() != kCaptureOk) {
        return kCaptureDeviceUnavailable;
    }
    // A new buffer is read from its start. An offset left by a run that ended mid-buffer (a run of
    // no seconds ends after its first half) would make the first block span bytes never captured,
    // which 8-bit samples count as loud.
    g_captureReadOffset = 0;
    for (auto& event : notifyEvents) {
        event = std::make_unique<platform::thread::Event>();
    }
    FillPositions();
    device->notify = device->buffer->QueryNotify();
    if (device->notify == nullptr) {
        return kCaptureNotifyUnavailable;
    }
    if (!device->notify->SetNotificationPositions(device->positions)) {
        device->notify.reset();
        return kCaptureNotifyUnavailable;
    }
    captureReady = true;
    return kCaptureOk;
}

// The best mono format first: the table runs from the worst to the best.
std::int32_t CSoundCapture::CreateBufferInBestFormat() {
    for (auto code = std::rbegin(CaptureFormatCodes); code != std::rend(CaptureFormatCodes);
         ++code) {
        DecodeCaptureFormat(*code, device->format);
        if (device->format.channels > 1) {
            continue;
        }
        device->bufferDesc.bufferBytes = device->format.avgBytesPerSec;
        device->buffer = device->capture->CreateCaptureBuffer(device->bufferDesc);
        if (device->buffer != nullptr) {
            return kCaptureOk;
        }
    }
    return kCaptureDeviceUnavailable;
}

// The first half ends on a whole sample, so that with 16-bit samples and an odd half-buffer
// (11,025 Hz) neither block starts inside a sample.
void CSoundCapture::FillPositions() {
    const std::uint32_t bytes = device->bufferDesc.bufferBytes;
    const std::uint32_t align = device->format.blockAlign > 0 ? device->format.blockAlign : 1;
    const std::uint32_t firstHalf = bytes / 2 / align * align;
    device->positions = {{{firstHalf - 1, notifyEvents[0].get()},
                          {bytes - 1, notifyEvents[1].get()},
                          {dsound::kOffsetStop, notifyEvents[2].get()}}};
}

// The buffer goes before the capture object that made it; the events go with them.
void CSoundCapture::ReleaseCapture() {
    device->notify.reset();
    device->buffer.reset();
    device->capture.reset();
    for (auto& event : notifyEvents) {
        event.reset();
    }
    captureReady = false;
}

std::int32_t CSoundCapture::StartCapture() {
    if (running.load()) {
        return kCaptureAlreadyRunning;
    }
    // The previous run's thread clears threadAlive as it leaves; a new thread must not have its
    // flag cleared under it.
    while (threadAlive.load()) {
        platform::thread::Sleep(10ms);
    }
    estimator->Reset();
    running = true;
    threadAlive = true;  // from now on, so that a destructor cannot miss a thread still starting
    if (!platform::thread::BeginThread(CaptureThreadProc, nullptr)) {
        threadAlive = false;
        running = false;
        return kCaptureThreadUnavailable;
    }
    return kCaptureOk;
}

bool CSoundCapture::StartBuffer() {
    return device->buffer != nullptr && device->buffer->StartLooping();
}

void CSoundCapture::StopBuffer() {
    if (device->buffer != nullptr) {
        device->buffer->Stop();
    }
}
