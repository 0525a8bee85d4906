#pragma once
// A window system for tests, the same on every platform: each window paints into an RGB surface
// of its own, text is measured the same everywhere (FakeText.h), the pictures are the resources'
// BMP files, and time and the user are the test's: a modal run runs the actions queued to run
// soon and ticks the timers until the window ends, or is handed to the test's script. A window
// paints only when it asks to (RedrawWindow): nothing exposes it. Every request is recorded.
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/DialogWindow.h"
#include "platform/ui/fake/FakeCanvas.h"
#include "platform/ui/fake/Surface.h"

namespace platform::ui::fake {

class FakeHost;

class FakeWindows : public WindowSystem {
  public:
    // Installed as the window system while it lives.
    FakeWindows();
    ~FakeWindows() override;
    FakeWindows(const FakeWindows&) = delete;
    FakeWindows& operator=(const FakeWindows&) = delete;

    std::unique_ptr<WindowHost> CreateHost(DialogWindow& window, const WindowStyle& style,
                                           bool modal) override;
    // bitmap-<id>.bmp of the resources; empty when there is none.
    Picture LoadPicture(int id) override;
    int GetMetric(Metric metric) const override;
    // Only waits: a test fires whatever events it wants itself.
    void HandleEventsWithoutInput(std::chrono::milliseconds most) override;

    // Runs the action from the modal loop, once the current handler has returned.
    void Soon(std::function<void()> action);
    // The windows that exist, oldest first.
    const std::vector<FakeHost*>& hosts() const { return hosts_; }

    // What each modal run does instead of its loop; the run ends when the script returns.
    std::function<void(FakeHost&)> script;
    // While set, redraws are recorded but paint nothing, as for a window the platform skips.
    bool skipPaints = false;
    // Called at each scroll, before the pixels move.
    std::function<void()> onScroll;
    int screenWidth = 1024;
    int screenHeight = 768;

    // The record, over every window.
    Rect placed;
    std::vector<int> timersStarted;
    std::vector<int> timersStopped;
    std::vector<Rect> redraws;
    std::vector<Rect> scrolls;
    std::vector<Paint> paints;
    int ticks = 0;
    bool ended = false;  // a modal run was ended
    int endedAtTick = 0;

  private:
    friend class FakeHost;
    bool RunSoonAction();

    std::deque<std::function<void()>> soon_;
    std::vector<FakeHost*> hosts_;
    std::map<int, Picture> pictures_;
};

class FakeHost : public WindowHost {
  public:
    FakeHost(DialogWindow& window, const WindowStyle& style, FakeWindows& windows);
    ~FakeHost() override;
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // What the user and the clock do; each reaches the window's handlers at once.
    // Fires up to count ticks of the running timers, stopping once the window has ended;
    // returns the ticks fired.
    int Tick(int count);
    void Click() { LeftButtonDown(10, 10); }
    // The window is asked for its cursor (the arrow when it sets none), then told of the move.
    void MouseMove(int x, int y);
    void LeftButtonDown(int x, int y) { window_.OnLButtonDown(x, y); }
    void LeftDoubleClick(int x, int y) { window_.OnLButtonDblClk(x, y); }
    void PressKey(Key key) { window_.OnKeyDown(key); }
    void PressEnter() { PressKey(Key::Enter); }
    void PressEscape() { PressKey(Key::Escape); }
    void ClickCloseBox() { window_.OnSysCommand(kCommandClose); }

    // What the window is and shows.
    DialogWindow& window() const { return window_; }
    const WindowStyle& style() const { return style_; }
    const Surface& surface() const { return surface_; }
    const Cursor& cursor() const { return cursor_; }
    Rect placed() const { return placed_; }
    // Command and text of each item added; a separator has an empty text.
    const std::vector<std::pair<int, std::string>>& windowMenu() const { return windowMenu_; }

    void RunModal() override;
    void EndModal() override;
    void Show(ShowCommand command) override;
    bool IsVisible() const override { return visible_; }
    bool IsMinimized() const override { return false; }
    void Place(int x, int y, int width, int height) override;
    Rect ClientRect() const override { return surface_.Bounds(); }
    void Redraw(const Rect* rect) override;
    Rect Scroll(const Rect& area, int dx, int dy) override;
    Rect MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) override;
    bool StartTimer(int id, int periodMs) override;
    bool StopTimer(int id) override;
    void SetCursor(const Cursor& cursor) override { cursor_ = cursor; }
    void SetIcon(int /*iconId*/) override {}
    void AppendWindowMenuItem(int command, const std::string& text) override;

  private:
    void Resize(int width, int height);

    DialogWindow& window_;
    WindowStyle style_;
    FakeWindows& windows_;
    Surface surface_;
    Rect placed_;
    Cursor cursor_;
    bool visible_ = false;
    bool ended_ = false;
    std::vector<int> timers_;
    std::vector<std::pair<int, std::string>> windowMenu_;
};

// The host of a window while the fake window system gives it one.
FakeHost& HostOf(const DialogWindow& window);

}  // namespace platform::ui::fake
