#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "audiotest/BuiltInTexts.h"
#include "audiotest/CSoundCapture.h"
#include "platform/dsound/LineInput.h"
#include "platform/mci/Mci.h"
#include "platform/thread/Thread.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowSystem.h"
#include "resources/Strings.h"
#include "tests/audiotest/AudioTestRig.h"
#include "tests/support/TempDisc.h"

namespace {

using platform::ui::Answer;
using testing_support::TempDisc;

class RecordingWindow : public platform::ui::Window {
  public:
    void Show() override { visible_ = true, log.push_back("show"); }
    void Hide() override { visible_ = false, log.push_back("hide"); }
    bool IsVisible() const override { return visible_; }
    void RedrawNow(const platform::ui::Rect*) override { log.push_back("redraw"); }
    std::vector<std::string> log;

  private:
    bool visible_ = true;
};

// Starts with the cursor the test gives it, none by default.
class RecordingCursor : public platform::ui::CursorControl {
  public:
    std::optional<platform::ui::CursorShape> Set(platform::ui::CursorShape shape) override {
        shapes.push_back(shape);
        return std::exchange(current, shape);
    }
    std::optional<platform::ui::CursorShape> current;
    std::vector<platform::ui::CursorShape> shapes;
};

// Serves no windows; counts the waits in which it would handle their events.
class WaitingWindows : public platform::ui::WindowSystem {
  public:
    std::unique_ptr<platform::ui::WindowHost> CreateHost(platform::ui::DialogWindow&,
                                                         const platform::ui::WindowStyle&,
                                                         bool) override {
        return nullptr;
    }
    platform::ui::Picture LoadPicture(int) override { return {}; }
    int GetMetric(platform::ui::Metric) const override { return 0; }
    void HandleEventsWithoutInput(std::chrono::milliseconds most) override {
        ++waits;
        platform::thread::Sleep(most);
    }
    int waits = 0;
};

// What the screen and the drive were like while each box was up.
struct BoxSeen {
    platform::ui::MessageRequest request;
    bool backdropVisible;
    bool launcherVisible;
    bool cdSilent;
};

class ObservingBoxes : public platform::ui::MessageBoxBackend {
  public:
    ObservingBoxes(RecordingWindow& backdrop, RecordingWindow& launcher)
        : backdrop_(backdrop), launcher_(launcher) {}
    Answer Show(platform::ui::Window*, const platform::ui::MessageRequest& request) override {
        std::vector<float> heard(4000);
        platform::dsound::ReadLineInput(heard, 8000);
        const bool silent = std::all_of(heard.begin(), heard.end(), [](float s) { return s == 0; });
        seen.push_back({request, backdrop_.IsVisible(), launcher_.IsVisible(), silent});
        const Answer answer = script.empty() ? Answer::Cancel : script.front();
        if (!script.empty()) {
            script.erase(script.begin());
        }
        return answer;
    }
    std::vector<Answer> script;
    std::vector<BoxSeen> seen;

  private:
    RecordingWindow& backdrop_;
    RecordingWindow& launcher_;
};

class AudioTest : public ::testing::Test {
  protected:
    AudioTest() {
        platform::ui::SetMessageBoxBackend(&boxes_);
        platform::ui::SetCursorControl(&cursor_);
        platform::ui::SetWindowSystem(&windows_);
    }
    ~AudioTest() override {
        platform::ui::SetWindowSystem(nullptr);
        platform::ui::SetMessageBoxBackend(nullptr);
        platform::ui::SetCursorControl(nullptr);
        platform::mci::SetCdLocation(std::nullopt);
    }

    void UseDisc(const TempDisc& disc) { platform::mci::SetCdLocation(disc.image().string()); }

    bool Run(platform::ui::Window* backdrop, platform::ui::Window* launcher) {
        engine_ = std::make_unique<CSoundCapture>();
        return engine_->RunAudioTest(errorText_, sizeof errorText_, backdrop, launcher);
    }

    RecordingWindow backdrop_;
    RecordingWindow launcher_;
    RecordingCursor cursor_;
    WaitingWindows windows_;
    ObservingBoxes boxes_{backdrop_, launcher_};
    char errorText_[2000] = {};
    std::unique_ptr<CSoundCapture> engine_;
};

// A pass plays the first track, at most twenty seconds of it, and hands the cursor back.
TEST_F(AudioTest, PassesOnTheFirstTrackHeardThroughTheLoopbackForAtMostTwentySeconds) {
    using platform::ui::CursorShape;
    rig::SoundCard card;
    TempDisc disc({3.0, 2.0});
    UseDisc(disc);
    EXPECT_TRUE(Run(&backdrop_, &launcher_));
    EXPECT_TRUE(boxes_.seen.empty());
    EXPECT_FLOAT_EQ(engine_->durationSeconds, 3.0f);
    EXPECT_FLOAT_EQ(engine_->elapsedSeconds, 3.0f);
    EXPECT_EQ(backdrop_.log, (std::vector<std::string>{"redraw", "show"}));
    EXPECT_EQ(launcher_.log, (std::vector<std::string>{"redraw", "show"}));
    EXPECT_TRUE(engine_->captureReady) << "the engine's destruction releases the capture";
    EXPECT_GT(windows_.waits, 0) << "the windows' events are handled while the capture runs";
    EXPECT_EQ(cursor_.shapes, (std::vector{CursorShape::Wait, CursorShape::Arrow}));

    TempDisc longTrack({180.0});
    UseDisc(longTrack);
    cursor_.shapes.clear();
    cursor_.current = CursorShape::Wait;
    EXPECT_TRUE(Run(&backdrop_, &launcher_));
    EXPECT_FLOAT_EQ(engine_->durationSeconds, 20.0f);
    EXPECT_EQ(cursor_.shapes, (std::vector{CursorShape::Wait, CursorShape::Wait}))
        << "the cursor it replaced comes back";
}

// The track outlasts the twenty seconds heard: the drive would still be playing it.
TEST_F(AudioTest, AMutedInputIsCodeFiveWithTheCdStoppedBeforeTheBox) {
    TempDisc disc({30.0});
    UseDisc(disc);
    rig::SoundCard card(rig::MutedCard());
    EXPECT_FALSE(Run(&backdrop_, &launcher_));
    ASSERT_EQ(boxes_.seen.size(), 1u);
    EXPECT_TRUE(boxes_.seen[0].cdSilent);
    EXPECT_FLOAT_EQ(engine_->elapsedSeconds, 20.0f) << "the whole run was heard first";
}

// How each code is provoked, and what its box does to the windows.
struct CodeCase {
    int code;
    int messageId;
    bool hidesWindows;
    std::unique_ptr<rig::SoundCard> (*provoke)(const TempDisc& disc);
    double trackSeconds = 2.0;
};

class EveryCode : public AudioTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(EveryCode, RetryStartsAFreshAttemptAndCancelEndsTheTest) {
    const CodeCase& codeCase = GetParam();
    TempDisc disc({codeCase.trackSeconds});
    UseDisc(disc);
    const auto card = codeCase.provoke(disc);
    boxes_.script = {Answer::Retry, Answer::Cancel};

    EXPECT_FALSE(Run(&backdrop_, &launcher_));

    ASSERT_EQ(boxes_.seen.size(), 2u);
    // Only when nothing was heard does the card's hint follow the message, on a line of its own.
    const std::string hint = codeCase.code == 5 ? "\nChoose the output's monitor." : "";
    for (const BoxSeen& box : boxes_.seen) {
        EXPECT_EQ(box.request.text,
                  std::string(resources::LoadResourceString(codeCase.messageId)) + hint);
        EXPECT_EQ(box.request.caption, "Sound Capture Unsuccessful");
        EXPECT_EQ(box.request.buttons, platform::ui::Buttons::RetryCancel);
        EXPECT_EQ(box.request.icon, platform::ui::Icon::None);
        EXPECT_FALSE(box.request.owned);
        EXPECT_EQ(box.backdropVisible, !codeCase.hidesWindows);
        EXPECT_EQ(box.launcherVisible, !codeCase.hidesWindows);
    }
    EXPECT_EQ(card->system().playbacksCreated(), 2) << "each attempt checks full duplex anew";
    EXPECT_TRUE(backdrop_.IsVisible());
    EXPECT_TRUE(launcher_.IsVisible());
    EXPECT_FALSE(engine_->captureReady);
}

std::unique_ptr<rig::SoundCard> CardWith(
    void (*adjust)(platform::dsound::loopback::LoopbackOptions&)) {
    auto options = rig::FastCard();
    adjust(options);
    return std::make_unique<rig::SoundCard>(options);
}

std::unique_ptr<rig::SoundCard> NoPlayback(const TempDisc&) {
    auto card = std::make_unique<rig::SoundCard>();
    card->faults.noPlayback = true;
    return card;
}
std::unique_ptr<rig::SoundCard> HalfDuplex(const TempDisc&) {
    return CardWith([](auto& options) { options.refuseFullDuplex = true; });
}
std::unique_ptr<rig::SoundCard> NoNotify(const TempDisc&) {
    auto card = std::make_unique<rig::SoundCard>();
    card->faults.noNotify = true;
    return card;
}
// A disc of data alone is no audio CD: the drive refuses its track count.
std::unique_ptr<rig::SoundCard> DataOnlyDisc(const TempDisc& disc) {
    std::ofstream(disc.image()) << "FILE \"disc.bin\" BINARY\n"
                                   "  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n";
    return std::make_unique<rig::SoundCard>();
}
// Track 1 turned into a data track: the disc still has audio, but track 1 does not play.
std::unique_ptr<rig::SoundCard> UnplayableTrack(const TempDisc& disc) {
    std::ofstream(disc.image()) << "FILE \"disc.bin\" BINARY\n"
                                   "  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n"
                                   "  TRACK 02 AUDIO\n    INDEX 01 00:01:00\n";
    return std::make_unique<rig::SoundCard>();
}
// 8-bit, where a byte never captured (0) would count as loud, and a track too short to measure,
// whose run of no seconds ends half-way through the buffer: the retry's new buffer must still be
// read from its start.
std::unique_ptr<rig::SoundCard> Muted(const TempDisc&) {
    auto options = rig::MutedCard();
    options.acceptedFormats = {{22050, 8}};
    options.nothingHeardHint = "Choose the output's monitor.";
    return std::make_unique<rig::SoundCard>(options);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EveryCode,
    ::testing::Values(CodeCase{6, 147, true, NoPlayback}, CodeCase{1, 149, true, HalfDuplex},
                      CodeCase{2, 150, false, NoNotify}, CodeCase{3, 151, true, DataOnlyDisc},
                      CodeCase{4, 152, true, UnplayableTrack}, CodeCase{5, 153, true, Muted, 0.5}),
    [](const auto& info) { return "Code" + std::to_string(info.param.code); });

TEST_F(AudioTest, WithoutABackdropTheBuiltInTextLandsInTheBufferAndNothingIsShown) {
    TempDisc disc({1.0});
    UseDisc(disc);
    rig::SoundCard card(rig::MutedCard());
    EXPECT_FALSE(Run(nullptr, &launcher_));
    EXPECT_TRUE(boxes_.seen.empty());
    EXPECT_TRUE(launcher_.log.empty());
    EXPECT_EQ(std::string(errorText_), BuiltInErrorText(5));
    EXPECT_EQ(std::strlen(errorText_) + 1, 1070u) << "the longest text fits the 2,000 bytes";
    EXPECT_TRUE(engine_->captureReady) << "code 5 keeps the capture for the destructor";

    card.faults.noNotify = true;
    EXPECT_FALSE(Run(nullptr, nullptr));
    EXPECT_EQ(std::string(errorText_), BuiltInErrorText(2));
    EXPECT_FALSE(engine_->captureReady);
}

TEST_F(AudioTest, BuiltInTextsHaveTheirShippedLengthsAndAShortBufferStaysTerminated) {
    const std::size_t lengths[] = {928, 63, 258, 95, 1070, 329};  // codes 1 to 6, with the zero
    for (int code = 1; code <= 6; ++code) {
        EXPECT_EQ(BuiltInErrorText(code).size() + 1, lengths[code - 1]) << "code " << code;
    }
    rig::SoundCard card;
    card.faults.noPlayback = true;
    CSoundCapture engine;
    char shortText[10];
    EXPECT_FALSE(engine.RunAudioTest(shortText, sizeof shortText, nullptr, nullptr));
    EXPECT_EQ(std::string(shortText), BuiltInErrorText(6).substr(0, 9));
}

TEST_F(AudioTest, NoBufferMeansNothingIsTriedAtAll) {
    rig::SoundCard card;
    CSoundCapture engine;
    EXPECT_FALSE(engine.RunAudioTest(nullptr, 2000, &backdrop_, &launcher_));
    EXPECT_FALSE(engine.RunAudioTest(errorText_, 0, &backdrop_, &launcher_));
    EXPECT_EQ(card.system().playbacksCreated(), 0);
    EXPECT_TRUE(boxes_.seen.empty());
    EXPECT_TRUE(backdrop_.log.empty());
}

}  // namespace
