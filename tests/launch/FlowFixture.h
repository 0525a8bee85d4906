#pragma once
// A launcher screen, its devices and the world outside the launcher, all fakes, around one
// LaunchFlows; message boxes and dialogs are answered from scripts and recorded.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "launch/LaunchFlows.h"
#include "platform/cpu/fake/FixedProcessor.h"
#include "platform/inet/fake/ScriptedInternet.h"
#include "platform/process/fake/RecordingProcessRunner.h"
#include "platform/registry/fake/ScopedStore.h"
#include "platform/shell/fake/RecordingBrowser.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/fake/ScriptedMessageBoxes.h"

namespace launch_test {

// Everything the screen and its helpers did, in order ("screen:hide", "cursor:wait", ...).
using EventLog = std::vector<std::string>;

class FakeWindow : public platform::ui::Window {
  public:
    FakeWindow(std::string name, EventLog& log) : name_(std::move(name)), log_(log) {}
    void Show() override;
    void Hide() override;
    bool IsVisible() const override { return visible_; }
    void RedrawNow(const platform::ui::Rect* rect) override;

  private:
    std::string name_;
    EventLog& log_;
    bool visible_ = true;
};

class FakeScreen : public LauncherScreen {
  public:
    explicit FakeScreen(EventLog& log) : window_("screen", log), backdrop_("backdrop", log) {}
    platform::ui::Window& ScreenWindow() override { return window_; }
    platform::ui::Window* Backdrop() override { return hasBackdrop ? &backdrop_ : nullptr; }
    void ShowModelResolution(std::int16_t resolution) override { shownResolution = resolution; }
    void EndDialog(int result) override { endedWith = result; }
    LaunchState State() override {
        return {analysedHardwareAcceleration, analysedModelResolution, returnToVelorin};
    }

    bool hasBackdrop = true;
    std::optional<std::int16_t> shownResolution;
    std::optional<int> endedWith;
    std::uint8_t analysedHardwareAcceleration = 0;
    std::int16_t analysedModelResolution = 0;
    bool returnToVelorin = false;

  private:
    FakeWindow window_;
    FakeWindow backdrop_;
};

// Devices that open when the test says so; counts every try.
class FakeDevices : public DeviceProbe {
  public:
    bool OpenCdAudio() override;
    bool OpenWaveAudio() override;

    std::deque<bool> cdAnswers;  // then cdOpens
    std::deque<bool> waveAnswers;
    bool cdOpens = true;
    bool waveOpens = true;
    int cdTries = 0;
    int waveTries = 0;
};

// Records every dialog's layout and answers from a script (Cancel when it runs out).
class RecordingDialogs : public platform::ui::DialogBackend {
  public:
    RecordingDialogs() { platform::ui::SetDialogBackend(this); }
    ~RecordingDialogs() override { platform::ui::SetDialogBackend(nullptr); }
    int Run(platform::ui::Window* owner, const platform::ui::DialogLayout& layout,
            const platform::ui::DialogOptions& options) override;

    std::deque<int> answers;
    std::vector<platform::ui::DialogLayout> shown;
    std::vector<bool> topmost;
};

class CursorLog : public platform::ui::CursorControl {
  public:
    explicit CursorLog(EventLog& log) : log_(log) { platform::ui::SetCursorControl(this); }
    ~CursorLog() override { platform::ui::SetCursorControl(nullptr); }
    std::optional<platform::ui::CursorShape> Set(platform::ui::CursorShape shape) override;

  private:
    EventLog& log_;
};

inline constexpr const char* kMaker = "http://maker.example";
inline constexpr const char* kPublisher = "http://publisher.example";

class FlowTest : public ::testing::Test {
  protected:
    FlowTest();

    // Velorin does what the test says, then analyses the computer when due (storing "FPS").
    void InstallVelorin(std::function<void()> during = {});
    // The mixing tool, installed in its own folder (recorded in the store).
    // The mixing tool's program in folder, named as the recording runner reads the flow's
    // Windows-style path, whatever separators folder has.
    static std::string MixingToolProgram(const std::string& folder);
    std::string InstallMixingTool(std::function<void()> during = {});
    // Records the mixing tool's folder as its installation does; it need not be absolute.
    static void StoreMixingToolFolder(std::string_view folder);
    void SetOnline(bool online);

    // Texts of the product key; nothing when absent.
    static void StoreText(std::string_view name, std::string_view text);
    static std::optional<std::string> StoredText(std::string_view name);
    static std::optional<std::uint8_t> StoredOptionFlag(std::string_view name);

    // The message boxes shown, as "caption|text".
    std::vector<std::string> Messages() const;
    int VelorinRuns() const;

    platform::registry::ScopedStore store_;
    EventLog log_;
    platform::ui::fake::ScriptedMessageBoxes boxes_;
    RecordingDialogs dialogs_;
    CursorLog cursor_{log_};
    platform::process::fake::RecordingProcessRunner processes_;
    platform::inet::fake::ScriptedInternet internet_;
    platform::shell::fake::RecordingBrowser browser_;
    platform::cpu::fake::FixedProcessor processor_{false};
    FakeDevices devices_;
    FakeScreen screen_{log_};
    LaunchFlows flows_;
};

}  // namespace launch_test
