// The launcher screen on the Qt backend (offscreen): what only real windows show, the hover text
// in a real font, the pictures of the program's resources, the hand, the window menu's About.
#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "platform/registry/fake/ScopedStore.h"
#include "platform/ui/qt/QtHost.h"
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

}  // namespace
