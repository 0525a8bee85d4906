#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <vector>

#include "platform/ui/DialogWindow.h"
#include "platform/ui/qt/QtCanvas.h"
#include "platform/ui/qt/QtHost.h"
#include "tests/platform/ui/qt/QtTestApplication.h"

namespace ui = platform::ui;
using platform::ui::qt::QtHost;

namespace {

constexpr ui::Color kRed{255, 0, 0};
constexpr ui::Color kBlue{62, 45, 178};
constexpr int kWidth = 200;
constexpr int kHeight = 100;

// Paints the whole client area in one colour, or in stripes whose colour tells the row.
class PaintingWindow : public ui::DialogWindow {
  public:
    PaintingWindow() : DialogWindow({"Painting", ui::FrameKind::None}) {}
    bool OnInitDialog() override {
        SetWindowPos(0, 0, kWidth, kHeight);
        return true;
    }
    void OnPaint(ui::Canvas& canvas) override {
        clipBoxes.push_back(canvas.ClipBox());
        if (!stripes) {
            canvas.FillRect(GetClientRect(), color);
            return;
        }
        for (int y = 0; y < kHeight; ++y) {
            canvas.FillRect({0, y, kWidth, y + 1}, RowColor(y));
        }
    }
    static ui::Color RowColor(int y) { return {static_cast<std::uint8_t>(y * 2), 0, 0}; }
    QImage Screen() const { return static_cast<QtHost*>(host())->grab().toImage(); }

    ui::Color color = kRed;
    bool stripes = false;
    std::vector<ui::Rect> clipBoxes;
};

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

class QtDrawing : public ::testing::Test {
  protected:
    void SetUp() override {
        velorin::test::EnsureQtBackends();
        ASSERT_TRUE(window.Create());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(static_cast<QtHost*>(window.host())));
        window.RedrawWindow();
        window.clipBoxes.clear();
    }
    void TearDown() override { window.DestroyWindow(); }
    PaintingWindow window;
};

}  // namespace

TEST_F(QtDrawing, RedrawPaintsExactlyTheRectangleAtOnceFromTheWholeDrawing) {
    window.color = {0, 255, 0};
    const ui::Rect changed{10, 20, 30, 45};
    window.RedrawWindow(&changed);
    ASSERT_EQ(window.clipBoxes, std::vector<ui::Rect>{changed});
    const QImage screen = window.Screen();
    EXPECT_EQ(At(screen, 10, 20), QColor(0, 255, 0));
    EXPECT_EQ(At(screen, 29, 44), QColor(0, 255, 0));
    EXPECT_EQ(At(screen, 30, 44), QColor(255, 0, 0));
    EXPECT_EQ(At(screen, 9, 20), QColor(255, 0, 0));
}

TEST_F(QtDrawing, ScrollMovesPixelsInsideTheAreaAndReportsTheUncoveredStrip) {
    window.stripes = true;
    window.RedrawWindow();
    window.clipBoxes.clear();
    const ui::Rect uncovered = window.ScrollWindowRect({0, 10, kWidth, 50}, 0, -1);
    EXPECT_EQ(uncovered, (ui::Rect{0, 49, kWidth, 50}));
    EXPECT_TRUE(window.clipBoxes.empty()) << "scrolling moves pixels without painting";
    const QImage screen = window.Screen();
    EXPECT_EQ(At(screen, 5, 10).red(), PaintingWindow::RowColor(11).red);
    EXPECT_EQ(At(screen, 5, 48).red(), PaintingWindow::RowColor(49).red);
    EXPECT_EQ(At(screen, 5, 9).red(), PaintingWindow::RowColor(9).red);
    EXPECT_EQ(At(screen, 5, 50).red(), PaintingWindow::RowColor(50).red);
}

TEST_F(QtDrawing, TextIsMeasuredLineByLineAndDrawnOnOpaqueBoxes) {
    struct TextWindow : PaintingWindow {
        void OnPaint(ui::Canvas& canvas) override {
            PaintingWindow::OnPaint(canvas);
            canvas.SetBackgroundColor(kBlue);
            canvas.SetTextColor(ui::kWhite);
            canvas.SelectFont({"MS Sans Serif", -11});
            one = canvas.MeasureText("AB", {0, 0, 0, 0});
            mnemonic = canvas.MeasureText("A&B", {0, 0, 0, 0});
            escaped = canvas.MeasureText("A&&B", {0, 0, 0, 0});
            two = canvas.MeasureText("test\ntest", {0, 0, 0, 0});
            drawn = canvas.DrawText("ii", {10, 10, 190, 60}, ui::TextAlign::Center);
        }
        ui::Rect one, mnemonic, escaped, two;
        int drawn = 0;
    } text;
    ASSERT_TRUE(text.Create());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(static_cast<QtHost*>(text.host())));
    text.RedrawWindow();
    EXPECT_EQ(text.one, text.mnemonic);
    EXPECT_GT(text.escaped.Width(), text.one.Width());
    EXPECT_GT(text.one.Height(), 8);
    EXPECT_EQ(text.two.Height(), 2 * text.one.Height());
    EXPECT_EQ(text.drawn, text.one.Height());
    const QImage screen = text.Screen();
    EXPECT_EQ(At(screen, 100, 10), QColor(62, 45, 178)) << "the centred line's box is opaque";
    EXPECT_EQ(At(screen, 12, 12), QColor(255, 0, 0)) << "outside the line's box nothing changes";
    text.DestroyWindow();
}

TEST(QtFonts, PositiveHeightsAreCellHeightsAndNegativeOnesCharacterHeights) {
    velorin::test::EnsureQtBackends();
    for (int cell : {10, 14, 16, 20}) {
        const QFont font = platform::ui::qt::MakeFont({"Arial", cell});
        EXPECT_NEAR(QFontMetrics(font).height(), cell, 1) << cell;
    }
    EXPECT_EQ(platform::ui::qt::MakeFont({"MS Sans Serif", -11, 700, true}).pixelSize(), 11);
    EXPECT_TRUE(platform::ui::qt::MakeFont({"MS Sans Serif", 20, 700, true}).underline());
}
