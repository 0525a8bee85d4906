#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <vector>

#include "platform/ui/DialogWindow.h"
#include "platform/ui/qt/QtHost.h"
#include "platform/ui/qt/QtWaitPump.h"
#include "tests/platform/ui/qt/QtTestApplication.h"

namespace ui = platform::ui;
using platform::ui::qt::QtHost;

namespace {

constexpr int kAboutCommand = 16;

// Records what reaches the window's handlers; onInit runs once the modal loop handles events.
class RecordingWindow : public ui::DialogWindow {
  public:
    RecordingWindow() : DialogWindow({"Recording", ui::FrameKind::Caption, true}) {}
    bool OnInitDialog() override {
        SetWindowPos(0, 0, 120, 90);
        if (onInit) {
            QTimer::singleShot(0, onInit);
        }
        return true;
    }
    void OnMouseMove(int x, int y) override { events.push_back("move " + Point(x, y)); }
    void OnLButtonDown(int x, int y) override { events.push_back("down " + Point(x, y)); }
    void OnSysCommand(int command) override {
        commands.push_back(command);
        DialogWindow::OnSysCommand(command);
    }
    QtHost* qtHost() const { return static_cast<QtHost*>(host()); }

    std::function<void()> onInit;
    std::vector<std::string> events;
    std::vector<int> commands;

  private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class QtWindow : public ::testing::Test {
  protected:
    void SetUp() override { velorin::test::EnsureQtBackends(); }
};

}  // namespace

TEST_F(QtWindow, WindowMenuGetsAppendedItemsAndAltSpaceChoosesOne) {
    struct AboutWindow : RecordingWindow {
        bool OnInitDialog() override {
            AppendWindowMenuSeparator();
            AppendWindowMenuItem(kAboutCommand, "&About Launcher...");
            return RecordingWindow::OnInitDialog();
        }
    } window;
    window.onInit = [&window] {
        const auto actions = window.qtHost()->windowMenu().actions();
        ASSERT_EQ(actions.size(), 3);
        EXPECT_TRUE(actions[1]->isSeparator());
        EXPECT_EQ(actions[2]->text().toStdString(), "&About Launcher...");
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            menu->setActiveAction(menu->actions().last());
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::keyClick(window.qtHost(), Qt::Key_Space, Qt::AltModifier);
        window.EndDialog(0);
    };
    window.DoModal();
    EXPECT_EQ(window.commands, std::vector<int>{kAboutCommand});
}

TEST_F(QtWindow, WaitingForAProgramRepaintsButDropsClicksKeysAndTheCloseBoxForGood) {
    RecordingWindow window;
    int paintsWhileWaiting = 0;
    window.onInit = [&window, &paintsWhileWaiting] {
        QtHost* host = window.qtHost();
        PaintCounter counter(host);
        QTimer::singleShot(10, [host] {
            QTest::mouseClick(host, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::keyClick(host, Qt::Key_Escape);
            QCloseEvent close;
            QSpontaneKeyEvent::setSpontaneous(&close);
            QApplication::instance()->notify(host, &close);
            host->update();
        });
        platform::ui::qt::HandleEventsWithoutInput(std::chrono::milliseconds(100));
        paintsWhileWaiting = counter.paints;
        // The modal loop runs on for a while: input held back would arrive now.
        QTimer::singleShot(50, [&window] { window.EndDialog(3); });
    };
    EXPECT_EQ(window.DoModal(), 3);
    EXPECT_GT(paintsWhileWaiting, 0);
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(window.commands.empty());
}
