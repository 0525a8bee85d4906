// The launcher screen at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 offscreen): drawn from the
// 2x pictures and with text at the screen's own pixels rather than stretched from the 1x window,
// and answering the mouse at the same logical coordinates as at 1x, with the hand drawn at 2x.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <cstdint>

#include "platform/registry/fake/ScopedStore.h"
#include "platform/ui/qt/QtHost.h"
#include "shell/LauncherDlg.h"
#include "tests/platform/ui/qt/QtTestApplication.h"
#include "tests/shell/UniformBlocks.h"

namespace {

namespace ui = platform::ui;
using velorin::test::AnyBlock;
using velorin::test::AnyInk;
using velorin::test::AtScale2;
using velorin::test::BlockCount;
using velorin::test::UniformBlocks;

// Before the application is made (by the test environment, when the tests start).
[[maybe_unused]] const bool g_scaled = qputenv("QT_SCALE_FACTOR", "2");

// The pixels of an image as the window layer's colours.
auto PixelsOf(const QImage& image) {
    return [&image](int x, int y) {
        const QRgb pixel = image.pixel(x, y);
        return ui::Color{static_cast<std::uint8_t>(qRed(pixel)),
                         static_cast<std::uint8_t>(qGreen(pixel)),
                         static_cast<std::uint8_t>(qBlue(pixel))};
    };
}

// The pointer at a logical position of the window, as the toolkit reports it.
void Mouse(QWidget* host, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, host->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(host, &event);
}

TEST(LauncherScaled, IsDrawnAtTwiceTheDetailAndAnswersTheMouseInLogicalPixels) {
    velorin::test::EnsureQtBackends();
    platform::registry::ScopedStore store;
    CLauncherDlg dlg;
    ASSERT_TRUE(dlg.Create());
    auto* host = static_cast<ui::qt::QtHost*>(dlg.host());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
    ASSERT_EQ(host->devicePixelRatioF(), 2.0);
    const auto grab = [host] {
        return host->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage screen = grab();
    ASSERT_EQ(screen.size(), QSize(800, 500));
    const BlockCount whole = UniformBlocks(PixelsOf(screen), {0, 0, 800, 500}, AnyBlock);
    std::printf("uniform 2x2 blocks, whole screen: %.1f %%\n", 100 * whole.Share());
    EXPECT_LT(whole.Share(), 0.5);

    // Pointing at Launch, one logical pixel inside its region, shows its hover text.
    Mouse(host, QEvent::MouseMove, QPoint(261, 62));
    const QImage hovered = grab();
    const BlockCount ink =
        UniformBlocks(PixelsOf(hovered), AtScale2(CLauncherDlg::kHoverTextArea), AnyInk);
    std::printf("uniform 2x2 blocks with hover-text ink: %.1f %% of %d\n", 100 * ink.Share(),
                ink.all);
    ASSERT_GT(ink.all, 50) << "no hover text";
    EXPECT_LT(ink.Share(), 0.5) << "the text is pixel-doubled";
    EXPECT_EQ(host->cursor().pixmap().size(), QSize(64, 64)) << "the hand drawn at 2x";
    Mouse(host, QEvent::MouseMove, QPoint(260, 62));
    const QImage away = grab();
    EXPECT_EQ(UniformBlocks(PixelsOf(away), AtScale2(CLauncherDlg::kHoverTextArea), AnyInk).all, 0)
        << "on the region's border, no text";

    // A click on Set-Up Options at its logical place opens the panel, drawn from its 2x picture.
    Mouse(host, QEvent::MouseMove, QPoint(330, 102));
    Mouse(host, QEvent::MouseButtonPress, QPoint(330, 102));
    QImage panel(":/velorin/images/bitmap-145@2x.png");
    panel = panel.convertToFormat(QImage::Format_RGB32);
    const QRect audioHeading(16, 100, 480, 40);
    EXPECT_EQ(grab().copy(audioHeading), panel.copy(audioHeading));
    dlg.DestroyWindow();
}

}  // namespace
