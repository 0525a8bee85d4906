// The behaviour suite's driver on the Qt backend: events sent to the host widget, pixels read
// from what the widget shows.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <map>

#include "platform/ui/qt/QtHost.h"
#include "tests/platform/ui/WindowDriver.h"

namespace ui = platform::ui;

namespace velorin::test {

namespace {

QWidget* HostOf(ui::DialogWindow& window) {
    return static_cast<platform::ui::qt::QtHost*>(window.host());
}

void Send(ui::DialogWindow& window, QEvent::Type type, int x, int y) {
    QWidget* widget = HostOf(window);
    const QPoint at(x, y);
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class QtWindowDriver final : public WindowDriver {
  public:
    void Soon(std::function<void()> action) override { QTimer::singleShot(0, action); }
    void MouseMove(ui::DialogWindow& window, int x, int y) override {
        Send(window, QEvent::MouseMove, x, y);
    }
    void LeftButtonDown(ui::DialogWindow& window, int x, int y) override {
        Send(window, QEvent::MouseButtonPress, x, y);
    }
    void LeftDoubleClick(ui::DialogWindow& window, int x, int y) override {
        Send(window, QEvent::MouseButtonDblClick, x, y);
    }
    void PressKey(ui::DialogWindow& window, Key key) override {
        static const std::map<Key, Qt::Key> keys{
            {Key::Enter, Qt::Key_Return}, {Key::Escape, Qt::Key_Escape}, {Key::Tab, Qt::Key_Tab},
            {Key::BackTab, Qt::Key_Tab},  {Key::Space, Qt::Key_Space},   {Key::Left, Qt::Key_Left},
            {Key::Right, Qt::Key_Right},  {Key::Up, Qt::Key_Up},         {Key::Down, Qt::Key_Down}};
        QTest::keyClick(HostOf(window), keys.at(key),
                        key == Key::BackTab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    void ClickCloseBox(ui::DialogWindow& window) override { HostOf(window)->close(); }
    bool ShowsArrowCursor(ui::DialogWindow& window) override {
        return HostOf(window)->cursor().shape() == Qt::ArrowCursor;
    }
    bool WaitUntilShown(ui::DialogWindow& window) override {
        return QTest::qWaitForWindowExposed(HostOf(window));
    }
    ui::Color PixelAt(ui::DialogWindow& window, int x, int y) override {
        // The pixel at the middle of the logical one, whatever the screen's pixel ratio.
        QWidget* host = HostOf(window);
        const qreal ratio = host->devicePixelRatioF();
        const QColor pixel =
            host->grab().toImage().pixelColor(int((x + 0.5) * ratio), int((y + 0.5) * ratio));
        return {static_cast<std::uint8_t>(pixel.red()), static_cast<std::uint8_t>(pixel.green()),
                static_cast<std::uint8_t>(pixel.blue())};
    }
};

}  // namespace

WindowDriver& Driver() {
    static QtWindowDriver driver;
    return driver;
}

}  // namespace velorin::test
