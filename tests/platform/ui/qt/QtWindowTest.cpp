#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
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

constexpr int kTimerId = 222;
constexpr int kAboutCommand = 16;

class RecordingWindow : public ui::DialogWindow {
  public:
    RecordingWindow() : DialogWindow({"Recording", ui::FrameKind::Caption, true}) {}
    bool OnInitDialog() override {
        SetWindowPos(0, 0, 120, 90);
        if (tickLimit > 0) {
            SetTimer(kTimerId, 5);
        }
        if (onInit) {
            QTimer::singleShot(0, onInit);
        }
        return true;
    }
    void OnTimer(int id) override {
        if (id == kTimerId && ++ticks == tickLimit) {
            EndDialog(7);
        }
    }
    void OnMouseMove(int x, int y) override { events.push_back("move " + Point(x, y)); }
    void OnLButtonDown(int x, int y) override { events.push_back("down " + Point(x, y)); }
    void OnLButtonDblClk(int x, int y) override { events.push_back("dblclk " + Point(x, y)); }
    bool OnSetCursor() override {
        if (!hand) {
            return false;
        }
        SetCursor(ui::LoadCursorResource(138));
        return true;
    }
    void OnSysCommand(int command) override {
        commands.push_back(command);
        DialogWindow::OnSysCommand(command);
    }
    void OnDestroy() override { timerStillRan = KillTimer(kTimerId); }
    QtHost* qtHost() const { return static_cast<QtHost*>(host()); }

    int tickLimit = 0;
    int ticks = 0;
    bool hand = false;
    bool timerStillRan = false;
    std::function<void()> onInit;
    std::vector<std::string> events;
    std::vector<int> commands;

  private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

void Send(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

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

TEST_F(QtWindow, ModalLoopRunsTimersUntilEndDialogThenDestroysTheWindow) {
    RecordingWindow window;
    window.tickLimit = 3;
    EXPECT_EQ(window.DoModal(), 7);
    EXPECT_EQ(window.ticks, 3);
    EXPECT_TRUE(window.timerStillRan);
    EXPECT_FALSE(window.HasWindow());
}

TEST_F(QtWindow, EnterEscapeAndTheCloseBoxEndTheDialogAsOkOrCancel) {
    for (auto [key, expected] :
         {std::pair{Qt::Key_Return, ui::kIdOk}, {Qt::Key_Escape, ui::kIdCancel}}) {
        RecordingWindow window;
        window.onInit = [&window, key = key] { QTest::keyClick(window.qtHost(), key); };
        EXPECT_EQ(window.DoModal(), expected);
    }
    RecordingWindow closed;
    closed.onInit = [&closed] { closed.qtHost()->close(); };
    EXPECT_EQ(closed.DoModal(), ui::kIdCancel);
    EXPECT_EQ(closed.commands, std::vector<int>{ui::kCommandClose});
}

TEST_F(QtWindow, MouseMessagesReachTheHandlersInClientPixels) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    Send(window.qtHost(), QEvent::MouseMove, {10, 20});
    Send(window.qtHost(), QEvent::MouseButtonPress, {11, 21});
    Send(window.qtHost(), QEvent::MouseButtonDblClick, {12, 22});
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"move 10,20", "down 11,21", "dblclk 12,22"}));
    window.DestroyWindow();
}

TEST_F(QtWindow, CursorIsTheArrowUnlessTheWindowSetsOneOnEveryMove) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    window.hand = true;
    Send(window.qtHost(), QEvent::MouseMove, {5, 5});
    EXPECT_NE(window.qtHost()->cursor().shape(), Qt::ArrowCursor);
    window.hand = false;
    Send(window.qtHost(), QEvent::MouseMove, {6, 5});
    EXPECT_EQ(window.qtHost()->cursor().shape(), Qt::ArrowCursor);
    window.DestroyWindow();
}

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
