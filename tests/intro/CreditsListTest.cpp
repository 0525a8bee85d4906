// What the credits roll draws: the background, the cards, the scrolling list and the logo.
#include <gtest/gtest.h>

#include <optional>

#include "intro/CreditsDlg.h"
#include "tests/intro/IntroTest.h"

namespace intro_test {
namespace {

constexpr ui::Rect kTextArea = CCreditsDlg::kTextArea;
constexpr int kH = kLineHeight;

const ui::FontSpec kBody{"Arial", 14, 400, false};
const ui::FontSpec kHeading{"MS Sans Serif", 10, 700, false};
const ui::FontSpec kTitle{"MS Sans Serif", 20, 700, true};

// Runs the roll; `during` runs after `ticks` ticks, then the window ends.
void RunCredits(FakeWindows& windows, CCreditsDlg& credits, int ticks,
                const std::function<void(FakeHost&)>& during) {
    windows.script = [&, ticks](FakeHost& host) {
        host.Tick(ticks);
        windows.paints.clear();
        windows.redraws.clear();
        during(host);
    };
    credits.DoModal();
}

TEST(CreditsPaint, FirstCardNamesTheTeamThenEachPersonAboveTheirRole) {
    FakeWindows windows;
    CCreditsDlg credits;
    RunCredits(windows, credits, 0, [&](FakeHost& host) { host.Redraw(nullptr); });
    ASSERT_EQ(windows.paints.size(), 1U);
    const Paint& paint = windows.paints[0];
    ASSERT_FALSE(paint.pictures.empty());
    EXPECT_EQ(paint.pictures[0].pictureId, 148);
    EXPECT_EQ(paint.pictures[0].destination, (ui::Rect{0, 0, 640, 480}));
    ASSERT_EQ(paint.texts.size(), 7U);
    EXPECT_EQ(paint.texts[0].box, (ui::Rect{150, 165, 460, 215}));
    EXPECT_TRUE(paint.texts[0].font.underline);
    // Name lines in 16-pixel bold (18 high), roles in the body font (16 high), 10 apart.
    EXPECT_EQ(paint.texts[1].box, (ui::Rect{150, 200, 460, 218}));
    EXPECT_EQ(paint.texts[2].box, (ui::Rect{150, 218, 460, 234}));
    EXPECT_EQ(paint.texts[2].text, "Executive Producer");
    EXPECT_EQ(paint.texts[3].box, (ui::Rect{150, 244, 460, 262}));
    for (const DrawnText& text : paint.texts) {
        EXPECT_EQ(text.align, ui::TextAlign::Center);
        EXPECT_EQ(text.color, ui::kWhite);
        EXPECT_EQ(text.background, ui::kBlack);
    }
}

TEST(CreditsPaint, SecondCardShowsItsRolesWithTheAmpersandMarkForTheLayerToShowAsOne) {
    FakeWindows windows;
    CCreditsDlg credits;
    RunCredits(windows, credits, 0, [&](FakeHost& host) { host.Tick(kCardTicks); });
    ASSERT_EQ(windows.redraws, (std::vector<ui::Rect>{kTextArea}));
    const auto texts = TextsOf(windows.paints.at(0));
    ASSERT_EQ(texts.size(), 5U);
    EXPECT_EQ(texts[2], "Product Manager");
    EXPECT_EQ(texts[4], "UI Concept && Design");
    EXPECT_EQ(windows.paints[0].texts[0].box, (ui::Rect{150, 175, 460, 215}));
}

TEST(CreditsPaint, ListStartsWithOnlyTheTeamTitleVisibleAtTheBottom) {
    FakeWindows windows;
    CCreditsDlg credits;
    RunCredits(windows, credits, kScrollStartTick - 1, [&](FakeHost& host) { host.Tick(1); });
    // The text area at once (scrolled 0), then the strip the first one-pixel scroll uncovered.
    ASSERT_GE(windows.paints.size(), 1U);
    const Paint& first = windows.paints[0];
    EXPECT_EQ(first.area, kTextArea);
    ASSERT_EQ(first.texts.size(), 1U);
    EXPECT_EQ(first.texts[0].text, "Velorin Development Team");
    EXPECT_EQ(first.texts[0].font, kTitle);
    // Its box starts h above the bottom, is h + 5 taller, and is cut at the bottom.
    EXPECT_EQ(first.texts[0].box, (ui::Rect{150, 332 - kH, 460, 332}));
}

TEST(CreditsPaint, EachTickScrollsTheTextAreaOnePixelAndRepaintsTheStripExtendedBy20) {
    FakeWindows windows;
    CCreditsDlg credits;
    RunCredits(windows, credits, kScrollStartTick, [&](FakeHost& host) { host.Tick(2); });
    ASSERT_EQ(windows.scrolls.size(), 3U);
    EXPECT_EQ(windows.scrolls.back(), kTextArea);
    EXPECT_EQ(windows.redraws, (std::vector<ui::Rect>{{150, 331, 460, 352}, {150, 331, 460, 352}}));
    EXPECT_EQ(credits.scrolled(), 3);
}

// The list is measured when the window is set up: a roll the platform never paints still
// scrolls its full length and ends on time.
TEST(CreditsPaint, TotalIs102LinesFromTheSetUpAndAnUnpaintedRollEndsOnTime) {
    for (const bool painted : {true, false}) {
        SCOPED_TRACE(painted ? "painted" : "never painted");
        FakeWindows windows;
        windows.skipPaints = !painted;
        CCreditsDlg credits;
        std::optional<int> totalAtFirstScroll;
        windows.onScroll = [&] {
            if (!totalAtFirstScroll) {
                totalAtFirstScroll = credits.total();
            }
        };
        EXPECT_EQ(credits.DoModal(), 0);
        EXPECT_EQ(totalAtFirstScroll, kListHeight);
        EXPECT_EQ(windows.endedAtTick, kScrollStartTick + kListHeight + 41 + 100);
    }
}

TEST(CreditsPaint, ListLinesUseTheirFlagsAndBlankLinesTakeALineUndrawn) {
    FakeWindows windows;
    CCreditsDlg credits;
    constexpr int kScrolled = 100;
    RunCredits(windows, credits, kScrollStartTick - 1 + kScrolled,
               [&](FakeHost&) { credits.RedrawWindow(&kTextArea); });
    ASSERT_EQ(credits.scrolled(), kScrolled);
    const auto& texts = windows.paints.at(0).texts;
    // Record i's box starts at 332 - scrolled - h + i * h: the title at 216, the blank record at
    // 232 is skipped, the heading at 248, three names from 264, a blank record at 312 and the
    // next heading at 328, cut at 332.
    ASSERT_EQ(texts.size(), 6U);
    EXPECT_EQ(texts[0].box, (ui::Rect{150, 216, 460, 216 + 2 * kH + 5}));
    EXPECT_EQ(texts[1].text, "Management");
    EXPECT_EQ(texts[1].font, kHeading);
    EXPECT_EQ(texts[1].align, ui::TextAlign::Left);
    EXPECT_EQ(texts[1].box, (ui::Rect{150, 248, 460, 264}));
    EXPECT_EQ(texts[2].font, kBody);
    EXPECT_EQ(texts[2].align, ui::TextAlign::Center);
    EXPECT_EQ(texts[5].text, "Programming Staff");
    EXPECT_EQ(texts[5].box, (ui::Rect{150, 328, 460, 332}));
}

TEST(CreditsPaint, LogoIsCentredInTheTextArea) {
    FakeWindows windows;
    CCreditsDlg credits;
    RunCredits(windows, credits, kScrollStartTick + kListHeight + 41, [&](FakeHost& host) {
        ASSERT_EQ(credits.phase(), CCreditsDlg::kLogo);
        host.Redraw(nullptr);
    });
    const auto& pictures = windows.paints.at(0).pictures;
    ASSERT_EQ(pictures.size(), 2U);
    EXPECT_EQ(pictures[1].pictureId, 161);
    EXPECT_EQ(pictures[1].destination, (ui::Rect{271, 202, 339, 254}));
    EXPECT_TRUE(windows.paints[0].texts.empty());
}

}  // namespace
}  // namespace intro_test
