#include <gtest/gtest.h>

#include "platform/sound/Sound.h"
#include "platform/sound/fake/RecordedSounds.h"

namespace platform::sound {
namespace {

TEST(PlaySound, WithoutABackendNothingPlays) {
    EXPECT_FALSE(PlaySound("click.wav", SoundFlags::FileName));
    EXPECT_FALSE(PlaySound(nullptr, SoundFlags::Sync));
}

TEST(PlaySound, RecordsEachFileWithItsFlagsAndANullNameAsAStop) {
    fake::RecordedSounds sounds;
    const SoundFlags music = SoundFlags::FileName | SoundFlags::Async | SoundFlags::Loop;
    EXPECT_TRUE(PlaySound(".\\Sounds\\Sys\\S0\\credits.wav", music));
    EXPECT_TRUE(PlaySound(nullptr, SoundFlags::Sync));

    ASSERT_EQ(sounds.requests().size(), 2U);
    EXPECT_EQ(sounds.requests()[0].fileName, ".\\Sounds\\Sys\\S0\\credits.wav");
    EXPECT_EQ(sounds.requests()[0].flags, music);
    EXPECT_FALSE(sounds.requests()[0].IsStop());
    EXPECT_TRUE(sounds.requests()[1].IsStop());
}

TEST(SoundFlags, CombineAndTest) {
    const SoundFlags flags = SoundFlags::Async | SoundFlags::FileName;
    EXPECT_TRUE(HasFlag(flags, SoundFlags::Async));
    EXPECT_TRUE(HasFlag(flags, SoundFlags::FileName));
    EXPECT_FALSE(HasFlag(flags, SoundFlags::Loop));
    EXPECT_FALSE(HasFlag(SoundFlags::Sync, SoundFlags::Async));
}

}  // namespace
}  // namespace platform::sound
