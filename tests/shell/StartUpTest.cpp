#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <string>
#include <tuple>
#include <vector>

#include "platform/debug/DebugOutput.h"
#include "platform/registry/fake/ScopedStore.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherApp.h"
#include "tests/support/Helpers.h"

namespace {

constexpr int kPollMs = 50;

// A modal window as it came up: its title and client size.
using Window = std::tuple<std::string, int, int>;

struct Observed {
    std::vector<Window> windows;  // in the order they came up
    bool backdropAlwaysCovered = true;
};

// Ends each modal window of the sequence with Escape as soon as it is up, noting what was shown.
void EndEachModalWindow(QTimer& timer, Observed& seen) {
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        seen.windows.emplace_back(modal->windowTitle().toStdString(), modal->width(),
                                  modal->height());
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const bool covered = g_pBackdrop != nullptr && g_pBackdrop->IsVisible() &&
                             g_pBackdrop->GetClientRect().Width() == screen.width() &&
                             g_pBackdrop->GetClientRect().Height() == screen.height();
        seen.backdropAlwaysCovered = seen.backdropAlwaysCovered && covered;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    timer.start(kPollMs);
}

// The whole start-up, each modal window ended as soon as it is up.
Observed StartUpAndEndEachWindow() {
    platform::sound::fake::RecordedSounds sounds;
    QTimer timer;
    Observed seen;
    EndEachModalWindow(timer, seen);
    EXPECT_FALSE(theApp.InitInstance());
    timer.stop();
    EXPECT_EQ(seen.windows,
              (std::vector<Window>{{"", 400, 250}, {"Velorin Launcher", 400, 250}, {"", 640, 480}}))
        << "the splash, the launcher screen, then the credits";
    return seen;
}

}  // namespace

TEST(StartUp, SplashLauncherAndCreditsRunInTurnOverTheBackdropAndNoApplicationIsLeft) {
    platform::registry::ScopedStore store;
    const Observed seen = StartUpAndEndEachWindow();
    EXPECT_TRUE(seen.backdropAlwaysCovered);
    EXPECT_EQ(g_pBackdrop, nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "every window is gone";
}

TEST(StartUp, ABrokenStoreIsNamedInOneDebugLineAndTheSequenceStillRuns) {
    platform::registry::ScopedStore store;
    testing_support::WriteFile(store.path(), "not a store");
    platform::debug::CapturedDebugOutput debug;
    StartUpAndEndEachWindow();
    const std::string& text = debug.text();
    EXPECT_NE(text.find(store.path() + ": not a registry store"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}
