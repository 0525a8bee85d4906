#include <gtest/gtest.h>

#include "intro/SplashDlg.h"
#include "tests/intro/IntroTest.h"

namespace intro_test {
namespace {

TEST(SplashDlg, ShowsPicture146CentredAndEndsOnItsFifthTick) {
    FakeWindows windows;
    windows.script = [&](FakeHost& host) {
        EXPECT_EQ(host.Tick(4), 4);
        EXPECT_FALSE(windows.ended);  // 2.0 s counted is not yet more than 2.0
        host.Tick(1);
        EXPECT_TRUE(windows.ended);
        host.Redraw(nullptr);
    };
    CSplashDlg splash;
    EXPECT_EQ(splash.DoModal(), 0);

    EXPECT_EQ(windows.endedAtTick, 5);
    EXPECT_EQ(windows.placed, (ui::Rect{312, 259, 712, 509}));
    ASSERT_EQ(windows.paints.size(), 1U);
    ASSERT_EQ(windows.paints[0].pictures.size(), 1U);
    EXPECT_EQ(windows.paints[0].pictures[0].pictureId, 146);
    EXPECT_EQ(windows.paints[0].pictures[0].destination, (ui::Rect{0, 0, 400, 250}));
    EXPECT_EQ(windows.timersStarted, (std::vector<int>{222}));
    EXPECT_EQ(windows.timersStopped, (std::vector<int>{222}));
}

TEST(SplashDlg, AClickBeforeTheFirstTickClosesItAtOnce) {
    FakeWindows windows;
    windows.script = [&](FakeHost& host) { host.Click(); };
    CSplashDlg splash;
    EXPECT_EQ(splash.DoModal(), 0);
    EXPECT_TRUE(windows.ended);
    EXPECT_EQ(windows.ticks, 0);
}

TEST(SplashDlg, OnAScreenSmallerThanThePictureItIsPlacedAtNegativeCoordinates) {
    FakeWindows windows;
    windows.screenWidth = 301;
    windows.screenHeight = 200;
    CSplashDlg splash;
    splash.DoModal();
    // (301 - 400) / 2 truncates toward zero.
    EXPECT_EQ(windows.placed, (ui::Rect{-49, -25, 351, 225}));
}

}  // namespace
}  // namespace intro_test
