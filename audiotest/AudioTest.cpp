#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

#include "audiotest/BuiltInTexts.h"
#include "audiotest/CSoundCapture.h"
#include "audiotest/CdAudio.h"
#include "platform/dsound/DirectSound.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowSystem.h"
#include "resources/Strings.h"

using platform::ui::Window;
using namespace std::chrono_literals;

namespace {

constexpr std::int32_t kPassed = 0;  // an attempt's result when no error code was raised
constexpr float kLongestRunSeconds = 20.0f;
constexpr int kCaptionId = 148;
constexpr auto kPollInterval = 1000ms;

// The string table's message for each error code.
int MessageId(std::int32_t code) {
    constexpr int kIds[] = {0, 149, 150, 151, 152, 153, 147};  // codes 1 to 6
    return kIds[code];
}

// The code's message. What the capture records is the sound card's, so when nothing was heard the
// card may add what to choose (the message's own steps are Windows').
std::string MessageText(std::int32_t code) {
    std::string text(resources::LoadResourceString(MessageId(code)));
    const std::string_view hint = code == 5 ? platform::dsound::NothingHeardHint() : "";
    if (!hint.empty()) {
        text.append("\n").append(hint);
    }
    return text;
}

// Codes that find capture objects to release after their box: all but the failed playback.
bool ReleasesCapture(std::int32_t code) {
    return code != 6;
}

// Code 2 leaves the windows visible behind its box.
bool HidesWindows(std::int32_t code) {
    return code != 2;
}

float RunLengthSeconds(std::int16_t trackSeconds) {
    const auto seconds = static_cast<float>(trackSeconds);
    return seconds <= kLongestRunSeconds ? seconds : kLongestRunSeconds;
}

void ShowBoth(Window* backdropWnd, Window* launcherWnd) {
    for (Window* window : {backdropWnd, launcherWnd}) {
        if (window != nullptr) {
            window->Show();
        }
    }
}

void HideBoth(Window* backdropWnd, Window* launcherWnd) {
    for (Window* window : {backdropWnd, launcherWnd}) {
        if (window != nullptr) {
            window->Hide();
        }
    }
}

void RedrawBoth(Window* backdropWnd, Window* launcherWnd) {
    for (Window* window : {backdropWnd, launcherWnd}) {
        if (window != nullptr) {
            window->RedrawNow();
        }
    }
}

// One poll period of the wait for the capture thread. The window system, when there is one,
// handles the windows' events meanwhile, so that they repaint; the user's input is dropped.
void AwaitCapture() {
    if (platform::ui::WindowSystem* windows = platform::ui::CurrentWindowSystem()) {
        windows->HandleEventsWithoutInput(kPollInterval);
    } else {
        platform::thread::Sleep(kPollInterval);
    }
}

// Copies the code's whole text with its zero, or as much as fits, still zero-terminated.
void CopyBuiltInText(std::int32_t code, char* errorText, std::int32_t errorTextSize) {
    const std::string_view text = BuiltInErrorText(code);
    const auto size = static_cast<std::size_t>(errorTextSize);
    const std::size_t copied = std::min(text.size() + 1, size);
    std::memcpy(errorText, text.data(), std::min(text.size(), copied));
    errorText[copied - 1] = '\0';
}

}  // namespace

bool CSoundCapture::RunAudioTest(char* errorText, std::int32_t errorTextSize, Window* backdropWnd,
                                 Window* launcherWnd) {
    if (errorText == nullptr || errorTextSize <= 0) {
        return false;
    }
    for (;;) {
        const std::int32_t code = RunAttempt(backdropWnd, launcherWnd);
        if (code == kPassed) {
            if (backdropWnd != nullptr) {
                ShowBoth(backdropWnd, launcherWnd);
            }
            return true;
        }
        if (backdropWnd == nullptr) {
            CopyBuiltInText(code, errorText, errorTextSize);
            if (code == 1 || code == 2) {
                ReleaseCapture();
            }
            return false;
        }
        if (!OfferRetry(code, backdropWnd, launcherWnd)) {
            return false;
        }
    }
}

// One attempt from scratch: kPassed, or the error code it raised.
std::int32_t CSoundCapture::RunAttempt(Window* backdropWnd, Window* launcherWnd) {
    if (captureReady) {
        ReleaseCapture();
    }
    estimator->Reset();
    const float runSeconds = RunLengthSeconds(GetCdTrackSeconds(0));
    durationSeconds = runSeconds;
    const std::int32_t setUp = SetUpCaptureBesidePlayback();
    if (setUp != kPassed) {
        return setUp;
    }
    elapsedSeconds = 0.0f;
    estimator->SetInputFormat(static_cast<std::int32_t>(device->bufferDesc.bufferBytes / 2),
                              device->format.bitsPerSample / 8,
                              static_cast<float>(device->format.samplesPerSec), durationSeconds);
    const std::int32_t play = PlayCdTrack(0);
    if (play == kCdPlayRefused) {
        return 4;
    }
    if (play != kCaptureOk) {
        return 3;
    }
    CaptureRun(backdropWnd, launcherWnd);
    StopCd();
    return device->noAudioDetected ? 5 : kPassed;
}

// The full-duplex check: the capture is set up while a playback object is open.
std::int32_t CSoundCapture::SetUpCaptureBesidePlayback() {
    const auto playback = platform::dsound::CreatePlayback();
    if (playback == nullptr) {
        return 6;
    }
    g_currentCapture = this;
    device->noAudioDetected = true;
    const std::int32_t status = InitCapture();
    if (status == kCaptureOk) {
        return kPassed;
    }
    return status == kCaptureDeviceUnavailable ? 1 : 2;
}

// The UI thread waits for the capture thread under the wait cursor, acting on no input; then the
// cursor it replaced comes back, or the arrow when there was none.
void CSoundCapture::CaptureRun(Window* backdropWnd, Window* launcherWnd) {
    if (backdropWnd != nullptr) {
        RedrawBoth(backdropWnd, launcherWnd);
    }
    const auto kept = platform::ui::SetCursorShape(platform::ui::CursorShape::Wait);
    StartCapture();
    while (running.load()) {
        AwaitCapture();
    }
    platform::ui::SetCursorShape(kept.value_or(platform::ui::CursorShape::Arrow));
}

// Shows the code's message; true when the user chose Retry.
bool CSoundCapture::OfferRetry(std::int32_t code, Window* backdropWnd, Window* launcherWnd) {
    if (HidesWindows(code)) {
        HideBoth(backdropWnd, launcherWnd);
    }
    const auto answer = platform::ui::ShowMessage(nullptr, MessageText(code),
                                                  resources::LoadResourceString(kCaptionId),
                                                  platform::ui::Buttons::RetryCancel);
    if (answer == platform::ui::Answer::Cancel) {
        ShowBoth(backdropWnd, launcherWnd);
        if (ReleasesCapture(code)) {
            ReleaseCapture();
        }
        return false;
    }
    if (ReleasesCapture(code)) {
        ReleaseCapture();
    }
    ShowBoth(backdropWnd, launcherWnd);
    if (launcherWnd != nullptr && HidesWindows(code)) {
        RedrawBoth(backdropWnd, launcherWnd);
    }
    return true;
}
