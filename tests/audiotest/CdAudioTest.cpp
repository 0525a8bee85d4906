#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audiotest/CSoundCapture.h"
#include "audiotest/CdAudio.h"
#include "platform/mci/fake/ScriptedCdDrive.h"

namespace {

using Log = std::vector<std::string>;

class CdAudio : public ::testing::Test {
  protected:
    platform::mci::fake::ScriptedCdDrive drive_;
};

// Track n plays up to the next; the last, a single track's, or the hundredth of a longer disc
// (more than a hundred count as a hundred) to the end.
TEST_F(CdAudio, PlaysATrackUpToTheNextOrToTheEndOfTheLast) {
    drive_.trackCount = 3;
    EXPECT_EQ(PlayCdTrack(0), kCaptureOk);
    EXPECT_EQ(drive_.log(),
              (Log{"open", "time format TMSF", "number of tracks", "play 1 to 2", "close"}));

    platform::mci::fake::ScriptedCdDrive single;
    single.trackCount = 1;
    EXPECT_EQ(PlayCdTrack(0), kCaptureOk);
    EXPECT_EQ(single.log().at(3), "play 1 to end");

    platform::mci::fake::ScriptedCdDrive many;
    many.trackCount = 120;
    EXPECT_EQ(PlayCdTrack(99), kCaptureOk);
    EXPECT_EQ(many.log().at(3), "play 100 to end");
}

TEST_F(CdAudio, DeviceTimeFormatAndTrackCountFailuresAreMinusThreePlayIsMinusFour) {
    drive_.opens = false;
    EXPECT_EQ(PlayCdTrack(0), kCdUnavailable);
    drive_.opens = true;
    drive_.refusesTimeFormat = true;
    drive_.trackCount = 2;
    EXPECT_EQ(PlayCdTrack(0), kCdUnavailable);
    drive_.refusesTimeFormat = false;
    drive_.trackCount.reset();
    EXPECT_EQ(PlayCdTrack(0), kCdUnavailable);
    EXPECT_EQ(GetCdTrackSeconds(0), 0);
    drive_.trackCount = 2;
    drive_.refusesPlay = true;
    EXPECT_EQ(PlayCdTrack(0), kCdPlayRefused);
    EXPECT_EQ(drive_.log().back(), "close") << "every open is closed again";
}

TEST_F(CdAudio, TrackLengthsInWholeSecondsAndZeroBeyondTheLastTrack) {
    drive_.trackCount = 2;
    drive_.lengths = {{4, 30, 0}, {0, 15, 74}};
    EXPECT_EQ(GetCdTrackSeconds(0), 270);
    EXPECT_EQ(GetCdTrackSeconds(1), 15);
    EXPECT_EQ(GetCdTrackSeconds(2), 0);
}

TEST_F(CdAudio, StopOpensStopsAndCloses) {
    StopCd();
    EXPECT_EQ(drive_.log(), (Log{"open", "stop", "close"}));
}

}  // namespace
