// The behaviour suite's driver on the fake window system: the user's actions reach the handlers
// through the fake host, pixels are read from the window's surface.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/fake/FakeWindows.h"
#include "tests/platform/ui/WindowDriver.h"

namespace ui = platform::ui;
using platform::ui::fake::FakeWindows;
using platform::ui::fake::HostOf;

namespace velorin::test {

namespace {

std::unique_ptr<FakeWindows>& Windows() {
    static std::unique_ptr<FakeWindows> windows;
    return windows;
}

class FakeWindowDriver final : public WindowDriver {
  public:
    void Soon(std::function<void()> action) override { Windows()->Soon(std::move(action)); }
    void MouseMove(ui::DialogWindow& window, int x, int y) override {
        HostOf(window).MouseMove(x, y);
    }
    void LeftButtonDown(ui::DialogWindow& window, int x, int y) override {
        HostOf(window).LeftButtonDown(x, y);
    }
    void LeftDoubleClick(ui::DialogWindow& window, int x, int y) override {
        HostOf(window).LeftDoubleClick(x, y);
    }
    void PressKey(ui::DialogWindow& window, Key key) override { HostOf(window).PressKey(key); }
    void ClickCloseBox(ui::DialogWindow& window) override { HostOf(window).ClickCloseBox(); }
    bool ShowsArrowCursor(ui::DialogWindow& window) override {
        return HostOf(window).cursor() == ui::ArrowCursor();
    }
    bool WaitUntilShown(ui::DialogWindow& window) override { return HostOf(window).IsVisible(); }
    ui::Color PixelAt(ui::DialogWindow& window, int x, int y) override {
        return HostOf(window).surface().At(x, y);
    }
};

// The fake installed for the whole run, before the first test and gone before the exit.
class FakeEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { Windows() = std::make_unique<FakeWindows>(); }
    void TearDown() override { Windows().reset(); }
};

// gtest owns and deletes the environment.
[[maybe_unused]] const auto* const g_environment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<FakeEnvironment>().release());

}  // namespace

WindowDriver& Driver() {
    static FakeWindowDriver driver;
    return driver;
}

}  // namespace velorin::test
