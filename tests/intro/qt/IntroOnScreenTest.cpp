// The splash and the credits on the real window backend (Qt, offscreen): what shows on screen.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QTimer>

#include "intro/CreditsDlg.h"
#include "intro/SplashDlg.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "platform/ui/qt/QtCanvas.h"
#include "platform/ui/qt/QtHost.h"
#include "tests/platform/ui/qt/QtTestApplication.h"

namespace {

namespace ui = platform::ui;
using platform::ui::qt::QtHost;

constexpr int kTimerId = 222;

QImage Screen(const ui::DialogWindow& window) {
    return static_cast<QtHost*>(window.host())
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

TEST(SplashOnScreen, ShowsPicture146AndClosesItselfAfterItsFifthHalfSecond) {
    velorin::test::EnsureQtBackends();
    CSplashDlg splash;
    QImage seen;
    QTimer::singleShot(300, [&] { seen = Screen(splash); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(splash.DoModal(), 0);
    EXPECT_GE(clock.elapsed(), 2400);  // four 500 ms ticks leave it open
    const QImage picture =
        QImage(":/velorin/images/bitmap-146.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(seen.size(), QSize(400, 250));
    EXPECT_EQ(seen.pixel(200, 125), picture.pixel(200, 125));
    EXPECT_EQ(seen.pixel(37, 201), picture.pixel(37, 201));
}

TEST(SplashOnScreen, AClickClosesItBeforeItsTimeIsUp) {
    velorin::test::EnsureQtBackends();
    CSplashDlg splash;
    QTimer::singleShot(100, [&] {
        QTest::mouseClick(static_cast<QtHost*>(splash.host()), Qt::LeftButton, {}, QPoint(20, 20));
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(splash.DoModal(), 0);
    EXPECT_LT(clock.elapsed(), 2000);
}

class CreditsOnScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        velorin::test::EnsureQtBackends();
        ASSERT_TRUE(credits_.Create());
    }
    void TearDown() override { credits_.DestroyWindow(); }
    void Tick(int count) {
        for (int i = 0; i < count; ++i) {
            credits_.OnTimer(kTimerId);
        }
    }

    platform::sound::fake::RecordedSounds sounds_;
    CCreditsDlg credits_;
};

TEST_F(CreditsOnScreen, EachTickMovesTheListUpOnePixel) {
    Tick(2 * 61 + 60);  // 61 pixels of the list are in view
    const QImage before = Screen(credits_);
    Tick(1);
    const QImage after = Screen(credits_);
    const ui::Rect area = CCreditsDlg::kTextArea;
    int white = 0;
    for (int y = area.top; y < area.bottom - 1; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            ASSERT_EQ(after.pixel(x, y), before.pixel(x, y + 1)) << x << "," << y;
            white += qGray(after.pixel(x, y)) > 200 ? 1 : 0;
        }
    }
    EXPECT_GT(white, 50);  // the team's title is there to be moved
}

// The columns holding white text in the lowest line of text of the text area.
std::pair<int, int> LowestTextLineInk(const QImage& screen) {
    const ui::Rect area = CCreditsDlg::kTextArea;
    int left = area.right;
    int right = area.left - 1;
    bool inLine = false;
    for (int y = area.bottom - 1; y >= area.top; --y) {
        int rowLeft = area.right;
        int rowRight = area.left - 1;
        for (int x = area.left; x < area.right; ++x) {
            if (qGray(screen.pixel(x, y)) > 200) {
                rowLeft = std::min(rowLeft, x);
                rowRight = std::max(rowRight, x);
            }
        }
        if (rowRight < rowLeft && inLine) {
            break;
        }
        inLine = inLine || rowRight >= rowLeft;
        left = std::min(left, rowLeft);
        right = std::max(right, rowRight);
    }
    return {left, right};
}

TEST_F(CreditsOnScreen, ADoubleAmpersandShowsAsOne) {
    Tick(61);  // the second card, whose last line is "UI Concept && Design"
    const auto [left, right] = LowestTextLineInk(Screen(credits_));
    const QFontMetrics body(platform::ui::qt::MakeFont({"Arial", 14, 400, false}));
    const int single = body.horizontalAdvance("UI Concept & Design");
    const int twice = body.horizontalAdvance("UI Concept && Design");
    const int ink = right - left + 1;
    EXPECT_LT(std::abs(ink - single), std::abs(ink - twice)) << ink << " " << single;
}

}  // namespace
