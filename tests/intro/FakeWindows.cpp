#include "tests/intro/FakeWindows.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace intro_test {

namespace {

class FakePicture : public ui::PictureData {
  public:
    explicit FakePicture(int id) : id_(id) {}
    int Width() const override { return 1; }
    int Height() const override { return 1; }
    int id() const { return id_; }

  private:
    int id_;
};

// A text measures 7 pixels a character and its font's cell height.
ui::Rect Measure(const ui::FontSpec& font, std::string_view text, const ui::Rect& rect) {
    return {rect.left, rect.top, rect.left + 7 * static_cast<int>(text.size()),
            rect.top + font.height};
}

// Records what is drawn.
class RecordingCanvas : public ui::Canvas {
  public:
    explicit RecordingCanvas(Paint& paint) : paint_(paint) {}
    void CopyPicture(const ui::Picture& picture, const ui::Rect& destination, int /*sourceX*/,
                     int /*sourceY*/) override {
        const auto* data = dynamic_cast<const FakePicture*>(picture.data());
        paint_.pictures.push_back({data != nullptr ? data->id() : 0, destination});
    }
    void FillRect(const ui::Rect& /*rect*/, ui::Color /*color*/) override {}
    void DrawIcon(int /*iconId*/, int /*x*/, int /*y*/) override {}
    ui::Color SetTextColor(ui::Color color) override { return std::exchange(color_, color); }
    ui::Color SetBackgroundColor(ui::Color color) override {
        return std::exchange(background_, color);
    }
    ui::FontSpec SelectFont(const ui::FontSpec& font) override {
        return std::exchange(font_, font);
    }
    int DrawText(std::string_view text, const ui::Rect& rect, ui::TextAlign align) override {
        paint_.texts.push_back({std::string(text), rect, align, font_, color_, background_});
        return font_.height;
    }
    ui::Rect MeasureText(std::string_view text, const ui::Rect& rect) override {
        return Measure(font_, text, rect);
    }
    ui::Rect ClipBox() const override { return paint_.area; }
    int LogicalPixelsY() const override { return 96; }

  private:
    Paint& paint_;
    ui::Color color_ = ui::kBlack;
    ui::Color background_ = ui::kWhite;
    ui::FontSpec font_{"System", 16, 700, false};
};

}  // namespace

FakeWindows::FakeWindows() {
    ui::SetWindowSystem(this);
}

FakeWindows::~FakeWindows() {
    ui::SetWindowSystem(nullptr);
}

std::unique_ptr<ui::WindowHost> FakeWindows::CreateHost(ui::DialogWindow& window,
                                                        const ui::WindowStyle& /*style*/,
                                                        bool /*modal*/) {
    return std::make_unique<FakeHost>(window, *this);
}

ui::Picture FakeWindows::LoadPicture(int id) {
    return ui::Picture(std::make_shared<FakePicture>(id));
}

void FakeWindows::HandleEventsWithoutInput(std::chrono::milliseconds most) {
    std::this_thread::sleep_for(most);
}

int FakeWindows::GetMetric(ui::Metric metric) const {
    return metric == ui::Metric::ScreenWidth    ? screenWidth
           : metric == ui::Metric::ScreenHeight ? screenHeight
                                                : 0;
}

int FakeHost::Tick(int count) {
    int fired = 0;
    while (fired < count && !windows_.ended && !timers_.empty()) {
        ++windows_.ticks;
        ++fired;
        window_.OnTimer(timers_.front());
    }
    return fired;
}

void FakeHost::RunModal() {
    visible_ = true;
    if (windows_.script) {
        windows_.script(*this);
    } else {
        Tick(1'000'000);
    }
}

void FakeHost::EndModal() {
    if (!windows_.ended) {
        windows_.ended = true;
        windows_.endedAtTick = windows_.ticks;
    }
}

void FakeHost::Place(int x, int y, int width, int height) {
    windows_.placed = {x, y, x + width, y + height};
    client_ = {0, 0, width, height};
    visible_ = true;
}

void FakeHost::Redraw(const ui::Rect* rect) {
    const ui::Rect area = rect != nullptr ? *rect : client_;
    windows_.redraws.push_back(area);
    if (windows_.skipPaints) {
        return;
    }
    windows_.paints.push_back({area, {}, {}});
    RecordingCanvas canvas(windows_.paints.back());
    window_.OnPaint(canvas);
}

ui::Rect FakeHost::Scroll(const ui::Rect& area, int /*dx*/, int dy) {
    if (windows_.onScroll) {
        windows_.onScroll();
    }
    windows_.scrolls.push_back(area);
    return {area.left, area.bottom + dy, area.right, area.bottom};
}

ui::Rect FakeHost::MeasureText(const ui::FontSpec& font, std::string_view text,
                               const ui::Rect& rect) {
    return Measure(font, text, rect);
}

bool FakeHost::StartTimer(int id, int /*periodMs*/) {
    windows_.timersStarted.push_back(id);
    timers_.push_back(id);
    return true;
}

bool FakeHost::StopTimer(int id) {
    windows_.timersStopped.push_back(id);
    const auto found = std::find(timers_.begin(), timers_.end(), id);
    if (found == timers_.end()) {
        return false;
    }
    timers_.erase(found);
    return true;
}

std::vector<std::string> TextsOf(const Paint& paint) {
    std::vector<std::string> texts;
    for (const DrawnText& text : paint.texts) {
        texts.push_back(text.text);
    }
    return texts;
}

}  // namespace intro_test
