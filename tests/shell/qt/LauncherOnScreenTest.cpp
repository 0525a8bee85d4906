// The launcher screen on the Qt backend (offscreen): what only real windows show, the hover text
// in a real font, the pictures of the program's resources, the hand, the window menu's About.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "intro/SplashDlg.h"
#include "platform/registry/fake/ScopedStore.h"
#include "platform/ui/qt/QtHost.h"
#include "settings/Settings.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherDlg.h"
#include "tests/platform/ui/qt/QtTestApplication.h"

namespace {

namespace ui = platform::ui;

constexpr QRect kHoverText(5, 213, 248, 36);

// The box around the white ink (every channel above 200) in the blue band's hover area.
QRect InkBox(const QImage& screen) {
    QRect box;
    const ui::Rect area = CLauncherDlg::kHoverTextArea;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const QColor c = screen.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() > 200) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

TEST(LauncherOnScreen, ShowsItsPictureAndTheHoverTextInsideTheBandWithTheHandAndAMenuWithAbout) {
    velorin::test::EnsureQtBackends();
    platform::registry::ScopedStore store;
    CLauncherDlg dlg;
    ASSERT_TRUE(dlg.Create());
    auto* host = static_cast<ui::qt::QtHost*>(dlg.host());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
    const QRect screen = host->screen()->geometry();
    EXPECT_EQ(host->pos(), QPoint((screen.width() - 400) / 2, (screen.height() - 250) / 2));
    const QImage picture =
        QImage(":/velorin/images/bitmap-131.png").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(host->grab().toImage().convertToFormat(QImage::Format_RGB32), picture);

    dlg.OnMouseMove(300, 60);
    const QRect ink = InkBox(host->grab().toImage());
    EXPECT_FALSE(ink.isEmpty()) << "the text is drawn in white";
    EXPECT_TRUE(kHoverText.contains(ink)) << "inside 5..253 x 213..249";
    EXPECT_NE(host->cursor().shape(), Qt::ArrowCursor);

    const auto actions = host->windowMenu().actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.back()->text().toStdString(), "&About Launcher...");
    EXPECT_EQ(actions.back()->data().toInt(), IDM_ABOUTBOX);
    dlg.DestroyWindow();
}

// Through Qt's accessibility, as the AT-SPI bridge reads it: every live region is a child of the
// window, named by its label, in screen coordinates, and its action runs it.
TEST(LauncherOnScreen, ScreenReadersReadEachLiveRegionAndRunItByItsAction) {
    velorin::test::EnsureQtBackends();
    platform::registry::ScopedStore store;
    SetAudioDialogue(1);
    CLauncherDlg dlg;
    ASSERT_TRUE(dlg.Create());
    auto* host = static_cast<ui::qt::QtHost*>(dlg.host());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(host);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), "Velorin Launcher");
    EXPECT_EQ(window->role(), QAccessible::Dialog);
    ASSERT_EQ(window->childCount(), 5);
    const QStringList buttons{"Launch Velorin", "Set-Up Options", "Audio Test", "Mixing Room",
                              "Quit"};
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(window->child(index)->text(QAccessible::Name), buttons[index]);
        EXPECT_EQ(window->child(index)->role(), QAccessible::PushButton);
        EXPECT_EQ(window->indexOfChild(window->child(index)), index);
    }
    QAccessibleInterface* launch = window->child(0);
    EXPECT_EQ(launch->text(QAccessible::Description), "Click here to launch Velorin.");
    EXPECT_EQ(launch->rect(), QRect(host->mapToGlobal(QPoint(260, 50)), QSize(140, 25)));
    EXPECT_EQ(window->childAt(launch->rect().center().x(), launch->rect().center().y()), launch);
    EXPECT_FALSE(launch->state().focused);
    dlg.OnKeyDown(ui::Key::Tab);
    EXPECT_TRUE(launch->state().focused);
    EXPECT_EQ(window->focusChild(), launch);

    window->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->childCount() == 13; }));
    QAccessibleInterface* dialogue = window->child(5);
    EXPECT_EQ(dialogue->text(QAccessible::Name), "Character Dialogue");
    EXPECT_EQ(dialogue->role(), QAccessible::CheckBox);
    EXPECT_TRUE(dialogue->state().checkable && dialogue->state().checked);
    EXPECT_TRUE(window->child(1)->state().focused) << "the pressed region has the focus";
    dialogue->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_TRUE(QTest::qWaitFor([] { return GetAudioDialogue() == 0; }));
    EXPECT_FALSE(dialogue->state().checked);
    EXPECT_EQ(window->child(12)->text(QAccessible::Name), "Re-Test System");
    dlg.DestroyWindow();
}

TEST(LauncherOnScreen, TheWindowsWithoutRegionsSayWhatTheyAre) {
    velorin::test::EnsureQtBackends();
    CBackdropDlg backdrop;
    CSplashDlg splash;
    for (auto [window, role] :
         {std::pair<ui::DialogWindow*, QAccessible::Role>{&backdrop, QAccessible::Pane},
          {&splash, QAccessible::Graphic}}) {
        ASSERT_TRUE(window->Create());
        QAccessibleInterface* seen =
            QAccessible::queryAccessibleInterface(ui::qt::OwnerWidget(window));
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->role(), role);
        EXPECT_FALSE(seen->text(QAccessible::Name).isEmpty());
        EXPECT_EQ(seen->childCount(), 0);
        window->DestroyWindow();
    }
}

}  // namespace
