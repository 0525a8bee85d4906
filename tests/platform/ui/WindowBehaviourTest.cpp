// The window layer's behaviour on the program's real backend: the same cases run on every
// backend, each driven through the backend's WindowDriver.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/DialogWindow.h"
#include "tests/platform/ui/WindowDriver.h"

namespace ui = platform::ui;
using velorin::test::Driver;
using velorin::test::Key;

namespace {

constexpr int kTimerId = 222;
constexpr ui::Color kRed{255, 0, 0};
constexpr ui::Color kGreen{0, 255, 0};
constexpr ui::Color kBlue{62, 45, 178};
constexpr int kWidth = 200;
constexpr int kHeight = 100;

class RecordingWindow : public ui::DialogWindow {
  public:
    RecordingWindow() : DialogWindow({"Recording", ui::FrameKind::Caption, true}) {}
    bool OnInitDialog() override {
        SetWindowPos(0, 0, 120, 90);
        if (tickLimit > 0) {
            SetTimer(kTimerId, 5);
        }
        if (onInit) {
            Driver().Soon(onInit);
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
    void OnKeyDown(ui::Key key) override {
        keys.push_back(key);
        DialogWindow::OnKeyDown(key);
    }
    void OnDestroy() override { timerStillRan = KillTimer(kTimerId); }

    int tickLimit = 0;
    int ticks = 0;
    std::vector<Key> keys;
    bool hand = false;
    bool timerStillRan = false;
    std::function<void()> onInit;
    std::vector<std::string> events;
    std::vector<int> commands;

  private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

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
    ui::Color At(int x, int y) { return Driver().PixelAt(*this, x, y); }

    ui::Color color = kRed;
    bool stripes = false;
    std::vector<ui::Rect> clipBoxes;
};

class Drawing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create());
        ASSERT_TRUE(Driver().WaitUntilShown(window));
        window.RedrawWindow();
        window.clipBoxes.clear();
    }
    void TearDown() override { window.DestroyWindow(); }
    PaintingWindow window;
};

}  // namespace

TEST(Window, ModalLoopRunsTimersUntilEndDialogThenDestroysTheWindow) {
    RecordingWindow window;
    window.tickLimit = 3;
    EXPECT_EQ(window.DoModal(), 7);
    EXPECT_EQ(window.ticks, 3);
    EXPECT_TRUE(window.timerStillRan);
    EXPECT_FALSE(window.HasWindow());
}

TEST(Window, KeysReachTheWindowAndOnlyEnterEscapeAndTheCloseBoxEndTheDialog) {
    const std::vector<Key> moves{Key::Tab,   Key::BackTab, Key::Space, Key::Left,
                                 Key::Right, Key::Up,      Key::Down};
    RecordingWindow moved;
    moved.onInit = [&moved, &moves] {
        for (Key key : moves) {
            Driver().PressKey(moved, key);
        }
        Driver().PressKey(moved, Key::Escape);
    };
    EXPECT_EQ(moved.DoModal(), ui::kIdCancel);
    std::vector<Key> expected = moves;
    expected.push_back(Key::Escape);
    EXPECT_EQ(moved.keys, expected);

    for (auto [key, expected] : {std::pair{Key::Enter, ui::kIdOk}, {Key::Escape, ui::kIdCancel}}) {
        RecordingWindow window;
        window.onInit = [&window, key = key] { Driver().PressKey(window, key); };
        EXPECT_EQ(window.DoModal(), expected);
    }
    RecordingWindow closed;
    closed.onInit = [&closed] { Driver().ClickCloseBox(closed); };
    EXPECT_EQ(closed.DoModal(), ui::kIdCancel);
    EXPECT_EQ(closed.commands, std::vector<int>{ui::kCommandClose});
}

TEST(Window, MouseMessagesReachTheHandlersInClientPixels) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    Driver().MouseMove(window, 10, 20);
    Driver().LeftButtonDown(window, 11, 21);
    Driver().LeftDoubleClick(window, 12, 22);
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"move 10,20", "down 11,21", "dblclk 12,22"}));
    window.DestroyWindow();
}

TEST(Window, CursorIsTheArrowUnlessTheWindowSetsOneOnEveryMove) {
    RecordingWindow window;
    ASSERT_TRUE(window.Create());
    window.hand = true;
    Driver().MouseMove(window, 5, 5);
    EXPECT_FALSE(Driver().ShowsArrowCursor(window));
    window.hand = false;
    Driver().MouseMove(window, 6, 5);
    EXPECT_TRUE(Driver().ShowsArrowCursor(window));
    window.DestroyWindow();
}

TEST_F(Drawing, RedrawPaintsExactlyTheRectangleAtOnceFromTheWholeDrawing) {
    window.color = kGreen;
    const ui::Rect changed{10, 20, 30, 45};
    window.RedrawWindow(&changed);
    ASSERT_EQ(window.clipBoxes, std::vector<ui::Rect>{changed});
    EXPECT_EQ(window.At(10, 20), kGreen);
    EXPECT_EQ(window.At(29, 44), kGreen);
    EXPECT_EQ(window.At(30, 44), kRed);
    EXPECT_EQ(window.At(9, 20), kRed);
}

TEST_F(Drawing, ScrollMovesPixelsInsideTheAreaAndReportsTheUncoveredStrip) {
    window.stripes = true;
    window.RedrawWindow();
    window.clipBoxes.clear();
    const ui::Rect uncovered = window.ScrollWindowRect({0, 10, kWidth, 50}, 0, -1);
    EXPECT_EQ(uncovered, (ui::Rect{0, 49, kWidth, 50}));
    EXPECT_TRUE(window.clipBoxes.empty()) << "scrolling moves pixels without painting";
    EXPECT_EQ(window.At(5, 10), PaintingWindow::RowColor(11));
    EXPECT_EQ(window.At(5, 48), PaintingWindow::RowColor(49));
    EXPECT_EQ(window.At(5, 9), PaintingWindow::RowColor(9));
    EXPECT_EQ(window.At(5, 50), PaintingWindow::RowColor(50));
}

TEST_F(Drawing, TextIsMeasuredLineByLineAndDrawnOnOpaqueBoxes) {
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
    ASSERT_TRUE(Driver().WaitUntilShown(text));
    text.RedrawWindow();
    EXPECT_EQ(text.one, text.mnemonic);
    EXPECT_GT(text.escaped.Width(), text.one.Width());
    EXPECT_GT(text.one.Height(), 8);
    EXPECT_EQ(text.two.Height(), 2 * text.one.Height());
    EXPECT_EQ(text.drawn, text.one.Height());
    EXPECT_EQ(text.MeasureText({"MS Sans Serif", -11}, "AB", {0, 0, 0, 0}), text.one)
        << "measuring outside painting agrees with the canvas";
    EXPECT_EQ(text.At(100, 10), kBlue) << "the centred line's box is opaque";
    EXPECT_EQ(text.At(12, 12), kRed) << "outside the line's box nothing changes";
    text.DestroyWindow();
}
