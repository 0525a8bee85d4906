#pragma once
// A window system for tests of the intro windows: no pixels, but every request a window makes
// is recorded, every paint is recorded as the texts and pictures it draws, and a modal run is a
// script that fires timer ticks and clicks by hand.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/DialogWindow.h"

namespace intro_test {

namespace ui = platform::ui;

// The credits' timing with the fake's body-font line height (cell height 14 plus 2): two cards
// of 61 ticks, then the 102 records of the list scroll one pixel a tick.
constexpr int kLineHeight = 16;
constexpr int kCardTicks = 61;
constexpr int kScrollStartTick = 2 * kCardTicks;
constexpr int kListHeight = 102 * kLineHeight;

struct DrawnText {
    std::string text;
    ui::Rect box;
    ui::TextAlign align;
    ui::FontSpec font;
    ui::Color color;
    ui::Color background;
};

struct DrawnPicture {
    int pictureId;  // 0 for an empty picture
    ui::Rect destination;
};

struct Paint {
    ui::Rect area;  // what was repainted
    std::vector<DrawnText> texts;
    std::vector<DrawnPicture> pictures;
};

class FakeHost;

class FakeWindows : public ui::WindowSystem {
  public:
    FakeWindows();
    ~FakeWindows() override;
    FakeWindows(const FakeWindows&) = delete;
    FakeWindows& operator=(const FakeWindows&) = delete;

    std::unique_ptr<ui::WindowHost> CreateHost(ui::DialogWindow& window,
                                               const ui::WindowStyle& style, bool modal) override;
    ui::Picture LoadPicture(int id) override;
    int GetMetric(ui::Metric metric) const override;
    // Only waits: the script fires whatever events a test wants.
    void HandleEventsWithoutInput(std::chrono::milliseconds most) override;

    // What a modal run does; without a script it ticks until the window ends.
    std::function<void(FakeHost&)> script;
    // While set, redraws are recorded but paint nothing, as for a window the platform skips.
    bool skipPaints = false;
    // Called at each scroll, before the pixels move.
    std::function<void()> onScroll;
    int screenWidth = 1024;
    int screenHeight = 768;

    // The record.
    ui::Rect placed;
    std::vector<int> timersStarted;
    std::vector<int> timersStopped;
    std::vector<ui::Rect> redraws;
    std::vector<ui::Rect> scrolls;  // each area, scrolled up by one pixel
    std::vector<Paint> paints;
    int ticks = 0;
    bool ended = false;
    int endedAtTick = 0;
};

class FakeHost : public ui::WindowHost {
  public:
    FakeHost(ui::DialogWindow& window, FakeWindows& windows) : window_(window), windows_(windows) {}

    // Fires up to count timer ticks, stopping once the window has ended; returns those fired.
    int Tick(int count);
    void Click() { window_.OnLButtonDown(10, 10); }

    void RunModal() override;
    void EndModal() override;
    void Show(ui::ShowCommand command) override { visible_ = command != ui::ShowCommand::Hide; }
    bool IsVisible() const override { return visible_; }
    bool IsMinimized() const override { return false; }
    void Place(int x, int y, int width, int height) override;
    ui::Rect ClientRect() const override { return client_; }
    void Redraw(const ui::Rect* rect) override;
    ui::Rect Scroll(const ui::Rect& area, int dx, int dy) override;
    ui::Rect MeasureText(const ui::FontSpec& font, std::string_view text,
                         const ui::Rect& rect) override;
    bool StartTimer(int id, int periodMs) override;
    bool StopTimer(int id) override;
    void SetCursor(const ui::Cursor& /*cursor*/) override {}
    void SetIcon(int /*iconId*/) override {}
    void AppendWindowMenuItem(int /*command*/, const std::string& /*text*/) override {}

  private:
    ui::DialogWindow& window_;
    FakeWindows& windows_;
    ui::Rect client_;
    bool visible_ = false;
    std::vector<int> timers_;
};

// The texts of a paint, in drawing order.
std::vector<std::string> TextsOf(const Paint& paint);

}  // namespace intro_test
