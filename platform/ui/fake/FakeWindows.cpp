#include "platform/ui/fake/FakeWindows.h"

#include <algorithm>
#include <string>
#include <thread>

#include "platform/ui/fake/BmpFile.h"
#include "platform/ui/fake/FakePicture.h"
#include "platform/ui/fake/FakeText.h"

namespace platform::ui::fake {

FakeWindows::FakeWindows() {
    SetWindowSystem(this);
}

FakeWindows::~FakeWindows() {
    SetWindowSystem(nullptr);
}

std::unique_ptr<WindowHost> FakeWindows::CreateHost(DialogWindow& window, const WindowStyle& style,
                                                    bool /*modal*/) {
    return std::make_unique<FakeHost>(window, style, *this);
}

Picture FakeWindows::LoadPicture(int id) {
    const auto known = pictures_.find(id);
    if (known != pictures_.end()) {
        return known->second;
    }
    Picture picture;
    const std::string name = "bitmap-" + std::to_string(id) + ".bmp";
    if (auto pixels = ReadBmp(std::filesystem::path(VELORIN_FAKE_PICTURES) / name)) {
        picture = Picture(std::make_shared<FakePicture>(id, std::move(*pixels)));
    }
    return pictures_[id] = picture;
}

int FakeWindows::GetMetric(Metric metric) const {
    return metric == Metric::ScreenWidth    ? screenWidth
           : metric == Metric::ScreenHeight ? screenHeight
                                            : 0;
}

void FakeWindows::HandleEventsWithoutInput(std::chrono::milliseconds most) {
    std::this_thread::sleep_for(most);
}

void FakeWindows::Soon(std::function<void()> action) {
    soon_.push_back(std::move(action));
}

bool FakeWindows::RunSoonAction() {
    if (soon_.empty()) {
        return false;
    }
    const std::function<void()> action = std::move(soon_.front());
    soon_.pop_front();
    action();
    return true;
}

FakeHost::FakeHost(DialogWindow& window, const WindowStyle& style, FakeWindows& windows)
    : window_(window), style_(style), windows_(windows) {
    windows_.hosts_.push_back(this);
}

FakeHost::~FakeHost() {
    std::erase(windows_.hosts_, this);
}

int FakeHost::Tick(int count) {
    int fired = 0;
    while (fired < count && !ended_ && !timers_.empty()) {
        ++windows_.ticks;
        ++fired;
        for (const int id : std::vector<int>(timers_)) {
            if (std::find(timers_.begin(), timers_.end(), id) != timers_.end()) {
                window_.OnTimer(id);
            }
        }
    }
    return fired;
}

void FakeHost::MouseMove(int x, int y) {
    if (!window_.OnSetCursor()) {
        cursor_ = ArrowCursor();
    }
    window_.OnMouseMove(x, y);
}

// A loop with nothing left to run ends, so that a window nobody ends fails its test instead of
// hanging it.
void FakeHost::RunModal() {
    visible_ = true;
    if (windows_.script) {
        const auto script = windows_.script;
        script(*this);
        return;
    }
    while (!ended_ && (windows_.RunSoonAction() || Tick(1) == 1)) {
    }
}

void FakeHost::EndModal() {
    ended_ = true;
    if (!windows_.ended) {
        windows_.ended = true;
        windows_.endedAtTick = windows_.ticks;
    }
}

void FakeHost::Show(ShowCommand command) {
    visible_ = command != ShowCommand::Hide;
    if (command == ShowCommand::ShowMaximized) {
        Resize(windows_.screenWidth, windows_.screenHeight);
    }
}

void FakeHost::Place(int x, int y, int width, int height) {
    placed_ = {x, y, x + width, y + height};
    windows_.placed = placed_;
    Resize(width, height);
    visible_ = true;
}

void FakeHost::Resize(int width, int height) {
    if (width != surface_.Width() || height != surface_.Height()) {
        surface_ = Surface(width, height);
    }
}

void FakeHost::Redraw(const Rect* rect) {
    const Rect area = rect != nullptr ? Intersect(*rect, ClientRect()) : ClientRect();
    windows_.redraws.push_back(area);
    if (windows_.skipPaints) {
        return;
    }
    windows_.paints.push_back({area, {}, {}});
    FakeCanvas canvas(surface_, windows_.paints.back());
    window_.OnPaint(canvas);
}

Rect FakeHost::Scroll(const Rect& area, int dx, int dy) {
    if (windows_.onScroll) {
        windows_.onScroll();
    }
    windows_.scrolls.push_back(area);
    return surface_.Scroll(area, dx, dy);
}

Rect FakeHost::MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) {
    return MeasureLines(font, text, rect);
}

bool FakeHost::StartTimer(int id, int /*periodMs*/) {
    windows_.timersStarted.push_back(id);
    std::erase(timers_, id);
    timers_.push_back(id);
    return true;
}

bool FakeHost::StopTimer(int id) {
    windows_.timersStopped.push_back(id);
    return std::erase(timers_, id) > 0;
}

void FakeHost::AppendWindowMenuItem(int command, const std::string& text) {
    windowMenu_.emplace_back(command, text);
}

FakeHost& HostOf(const DialogWindow& window) {
    return *static_cast<FakeHost*>(window.host());
}

}  // namespace platform::ui::fake
