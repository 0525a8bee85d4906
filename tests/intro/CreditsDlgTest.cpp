// The credits roll's timing: phases, tick counts, click gating, music.
#include <gtest/gtest.h>

#include "intro/CreditsDlg.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "tests/intro/IntroTest.h"

namespace intro_test {
namespace {

namespace sound = platform::sound;

constexpr int kTotal = kListHeight;
constexpr int kScrollEndTick = kScrollStartTick + kTotal - 1;  // the second card's end scrolls too
constexpr int kLogoTick = kScrollEndTick + 1 + 41;             // marked done, then a 41-tick pause
constexpr int kEndTick = kLogoTick + 100;

TEST(CreditsDlg, RunsTwoCardsThenScrollsOnePixelATickThenShowsTheLogoAndEnds) {
    FakeWindows windows;
    CCreditsDlg credits;
    windows.script = [&](FakeHost& host) {
        host.Tick(kCardTicks - 1);
        EXPECT_EQ(credits.phase(), CCreditsDlg::kFirstCard);
        host.Tick(1);
        EXPECT_EQ(credits.phase(), CCreditsDlg::kSecondCard);
        host.Tick(kCardTicks - 1);
        EXPECT_EQ(credits.phase(), CCreditsDlg::kSecondCard);
        host.Tick(1);
        EXPECT_EQ(credits.phase(), CCreditsDlg::kList);
        EXPECT_EQ(credits.scrolled(), 1);
        host.Tick(kScrollEndTick - kScrollStartTick);
        EXPECT_EQ(credits.scrolled(), kTotal);
        host.Tick(kLogoTick - kScrollEndTick - 1);
        EXPECT_EQ(credits.phase(), CCreditsDlg::kList);
        host.Tick(1);
        EXPECT_EQ(credits.phase(), CCreditsDlg::kLogo);
        host.Tick(1'000'000);
    };
    EXPECT_EQ(credits.DoModal(), 0);
    EXPECT_EQ(windows.endedAtTick, kEndTick);
    EXPECT_EQ(windows.scrolls.size(), static_cast<std::size_t>(kTotal));
    EXPECT_EQ(windows.placed, (ui::Rect{192, 144, 832, 624}));
    EXPECT_EQ(windows.timersStarted, (std::vector<int>{222}));
    EXPECT_EQ(windows.timersStopped, (std::vector<int>{222}));
}

// Fires ticks, then clicks, and reports whether the click ended the roll.
bool ClickEndsAfter(FakeWindows& windows, FakeHost& host, int ticks) {
    host.Tick(ticks);
    host.Click();
    return windows.ended;
}

TEST(CreditsDlg, ClicksDuringTheCardsAndTheFirst40TicksOfScrollingDoNothing) {
    FakeWindows windows;
    windows.script = [&](FakeHost& host) {
        EXPECT_FALSE(ClickEndsAfter(windows, host, 0));
        EXPECT_FALSE(ClickEndsAfter(windows, host, kCardTicks));
        EXPECT_FALSE(ClickEndsAfter(windows, host, kScrollStartTick - kCardTicks - 1));
        EXPECT_FALSE(ClickEndsAfter(windows, host, 1 + 40));
        EXPECT_TRUE(ClickEndsAfter(windows, host, 1));
    };
    CCreditsDlg credits;
    EXPECT_EQ(credits.DoModal(), 0);
    EXPECT_EQ(windows.endedAtTick, kScrollStartTick + 41);
}

TEST(CreditsDlg, ClicksInThePauseAfterTheListAndTheLogosFirst40TicksDoNothing) {
    FakeWindows windows;
    windows.script = [&](FakeHost& host) {
        host.Tick(kScrollEndTick + 1);  // the list is marked done: the pause begins
        EXPECT_FALSE(ClickEndsAfter(windows, host, 40));
        EXPECT_FALSE(ClickEndsAfter(windows, host, 1 + 40));  // the logo's first 40 ticks
        EXPECT_TRUE(ClickEndsAfter(windows, host, 1));
    };
    CCreditsDlg credits;
    credits.DoModal();
    EXPECT_EQ(windows.endedAtTick, kLogoTick + 41);
}

TEST(CreditsDlg, MusicLoopsFromTheFirstTickAndStopsWhenTheWindowGoes) {
    sound::fake::RecordedSounds sounds;
    FakeWindows windows;
    windows.script = [&](FakeHost& host) {
        EXPECT_TRUE(sounds.requests().empty());
        host.Tick(300);
    };
    CCreditsDlg credits;
    credits.DoModal();

    ASSERT_EQ(sounds.requests().size(), 2U);
    EXPECT_EQ(sounds.requests()[0].fileName, ".\\Sounds\\Sys\\S0\\credits.wav");
    EXPECT_EQ(sounds.requests()[0].flags,
              sound::SoundFlags::FileName | sound::SoundFlags::Async | sound::SoundFlags::Loop);
    EXPECT_TRUE(sounds.requests()[1].IsStop());
}

}  // namespace
}  // namespace intro_test
