#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "platform/registry/fake/ScopedStore.h"
#include "settings/Settings.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/Helpers.h"

namespace {

using platform::registry::Root;
using platform::registry::ScopedStore;
using platform::registry::ValueType;
using platform::registry::test::Bytes;
using platform::registry::test::KeyExists;
using platform::registry::test::ReadBack;
using platform::registry::test::TypeOf;
using platform::registry::test::Write;

constexpr const char* kOptions = "SOFTWARE\\Tessaly\\Velorin\\Options";
constexpr const char* kProduct = "SOFTWARE\\Tessaly\\Velorin";
constexpr const char* kMixingTool =
    "SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path";

class Settings : public ::testing::Test {
  protected:
    ScopedStore store_;
};

TEST_F(Settings, FirstGetterCreatesTheOptionsKeyAndReturnsTheMissingDefaults) {
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\Tessaly"));
    EXPECT_EQ(GetAudioDialogue(), 1);
    EXPECT_TRUE(KeyExists(Root::LocalMachine, kOptions));
    EXPECT_EQ(GetAudioBackgroundSounds(), 1);
    EXPECT_EQ(GetHardwareAcceleration(), 0);
    EXPECT_EQ(GetBvhExport(), 1);
    EXPECT_EQ(GetModelResolution(), 0);
    EXPECT_EQ(GetXChipPatchInstalled(), 0);
}

TEST_F(Settings, WithoutSoftwareGettersGiveNoKeyResultsAndSettersDoNothing) {
    ASSERT_EQ(platform::registry::DeleteKey(Root::LocalMachine, "SOFTWARE"),
              platform::registry::Status::Ok);
    EXPECT_EQ(GetAudioDialogue(), 0);
    EXPECT_EQ(GetAudioBackgroundSounds(), 0);
    EXPECT_EQ(GetHardwareAcceleration(), 0);
    EXPECT_EQ(GetBvhExport(), 1);
    EXPECT_EQ(GetModelResolution(), 0);
    EXPECT_EQ(GetXChipPatchInstalled(), 0);
    EXPECT_FALSE(IsSpeedTestPending());
    EXPECT_FALSE(GetExportedDance(nullptr));
    EXPECT_FALSE(HasLastExportedWav());
    std::array<char, 256> path{};
    EXPECT_FALSE(GetMixingToolPath(path.data(), path.size()));

    SetAudioDialogue(1);
    SetModelResolution(2);
    RequestSpeedTest();
    ClearExportedMix();
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE"));
}

TEST_F(Settings, AnInvalidStoreFileGivesNoKeyResultsAndIsLeftAlone) {
    testing_support::WriteFile(store_.path(), "not a store");
    EXPECT_EQ(GetAudioDialogue(), 0);
    EXPECT_EQ(GetBvhExport(), 1);
    EXPECT_FALSE(IsSpeedTestPending());
    SetBvhExport(0);
    RequestSpeedTest();
    EXPECT_EQ(testing_support::ReadFile(store_.path()), "not a store");
}

TEST_F(Settings, FlagsAreOneBinaryByteReadBackUnchanged) {
    SetAudioDialogue(0);
    SetAudioBackgroundSounds(0);
    SetHardwareAcceleration(1);
    SetBvhExport(0);
    SetXChipPatchInstalled(1);
    SetAudioCapture(1);
    SetInvokedByLauncher(7);
    EXPECT_EQ(GetAudioDialogue(), 0);
    EXPECT_EQ(GetAudioBackgroundSounds(), 0);
    EXPECT_EQ(GetHardwareAcceleration(), 1);
    EXPECT_EQ(GetBvhExport(), 0);
    EXPECT_EQ(GetXChipPatchInstalled(), 1);
    EXPECT_EQ(ReadBack(Root::LocalMachine, kOptions, "Audio Capture"), Bytes("\x01"));
    EXPECT_EQ(ReadBack(Root::LocalMachine, kOptions, "Invoked By Launcher"), Bytes("\x07"));
    EXPECT_EQ(TypeOf(Root::LocalMachine, kOptions, "Graphics HardwareAcceleration"),
              ValueType::Binary);
}

TEST_F(Settings, AFlagStoredWiderThanOneByteReadsAsMissing) {
    ASSERT_TRUE(Write(Root::LocalMachine, kOptions, "Audio Dialogue", ValueType::Dword,
                      std::string_view("\0\0\0\0", 4)));
    ASSERT_TRUE(Write(Root::LocalMachine, kOptions, "Graphics HardwareAcceleration",
                      ValueType::Dword, std::string_view("\1\0\0\0", 4)));
    EXPECT_EQ(GetAudioDialogue(), 1);
    EXPECT_EQ(GetHardwareAcceleration(), 0);
    // The stored type is not looked at: one byte of any type is a flag.
    ASSERT_TRUE(Write(Root::LocalMachine, kOptions, "BVH Export", ValueType::String,
                      std::string_view("\0", 1)));
    EXPECT_EQ(GetBvhExport(), 0);
}

TEST_F(Settings, ModelResolutionIsSixteenBitsLowByteFirst) {
    SetModelResolution(2);
    EXPECT_EQ(ReadBack(Root::LocalMachine, kOptions, "Graphics ModelResolution"),
              Bytes(std::string_view("\2\0", 2)));
    SetModelResolution(-2);
    EXPECT_EQ(GetModelResolution(), -2);
    SetModelResolution(0x0102);
    EXPECT_EQ(GetModelResolution(), 0x0102);
    // A shorter value leaves the zero-filled high byte; a longer one reads as missing.
    ASSERT_TRUE(
        Write(Root::LocalMachine, kOptions, "Graphics ModelResolution", ValueType::Binary, "\x01"));
    EXPECT_EQ(GetModelResolution(), 1);
    ASSERT_TRUE(Write(Root::LocalMachine, kOptions, "Graphics ModelResolution", ValueType::Binary,
                      std::string_view("\2\0\0", 3)));
    EXPECT_EQ(GetModelResolution(), 0);
}

TEST_F(Settings, SpeedTestIsPendingWhenNeverMeasuredOrRequested) {
    EXPECT_TRUE(IsSpeedTestPending());
    RequestSpeedTest();
    EXPECT_EQ(ReadBack(Root::LocalMachine, kProduct, "FPS"), Bytes("TEST SPEED"));
    EXPECT_EQ(TypeOf(Root::LocalMachine, kProduct, "FPS"), ValueType::String);
    EXPECT_TRUE(IsSpeedTestPending());
    for (const char* fps : {"", "T", "31.5", "test speed", "TEST SPEED "}) {
        ASSERT_TRUE(Write(Root::LocalMachine, kProduct, "FPS", ValueType::String, fps));
        EXPECT_FALSE(IsSpeedTestPending()) << '"' << fps << '"';
    }
    // A text that does not fit the reading buffer cannot be read: never measured.
    ASSERT_TRUE(
        Write(Root::LocalMachine, kProduct, "FPS", ValueType::String, std::string(257, '9')));
    EXPECT_TRUE(IsSpeedTestPending());
}

TEST_F(Settings, ClearedAndOneCharacterTextsCountAsAbsent) {
    std::array<char, 256> name{};
    EXPECT_FALSE(GetExportedDance(name.data()));
    ASSERT_TRUE(
        Write(Root::LocalMachine, kProduct, "VelorinExportedDance", ValueType::String, "d.vdn"));
    EXPECT_TRUE(GetExportedDance(nullptr));
    ASSERT_TRUE(GetExportedDance(name.data()));
    EXPECT_STREQ(name.data(), "d.vdn");

    ClearExportedDance();
    EXPECT_EQ(ReadBack(Root::LocalMachine, kProduct, "VelorinExportedDance"), Bytes(""));
    EXPECT_EQ(TypeOf(Root::LocalMachine, kProduct, "VelorinExportedDance"), ValueType::String);
    EXPECT_FALSE(GetExportedDance(name.data()));
    EXPECT_FALSE(GetExportedDance(nullptr));

    ASSERT_TRUE(Write(Root::LocalMachine, kProduct, "VelorinExportedMix", ValueType::String, "m"));
    EXPECT_FALSE(GetExportedMix(nullptr));
    ASSERT_TRUE(Write(Root::LocalMachine, kProduct, "VelorinExportedMix", ValueType::String, "mx"));
    ASSERT_TRUE(GetExportedMix(name.data()));
    EXPECT_STREQ(name.data(), "mx");
    ClearExportedMix();
    EXPECT_FALSE(GetExportedMix(nullptr));

    EXPECT_FALSE(HasLastExportedWav());
    ASSERT_TRUE(
        Write(Root::LocalMachine, kProduct, "BlendoraLastExportedWav", ValueType::String, "w.wav"));
    EXPECT_TRUE(HasLastExportedWav());
}

TEST_F(Settings, TextsAreReadFreshAndNeverOverrunTheCallersBuffer) {
    // One byte past the caller's 256-byte buffer is watched for a write.
    std::array<char, 257> guarded;
    guarded.fill('#');
    // A 256-byte name without a terminating zero would be handed on cut: it counts as absent.
    for (const char* name : {"VelorinExportedDance", "VelorinExportedMix"}) {
        ASSERT_TRUE(
            Write(Root::LocalMachine, kProduct, name, ValueType::String, std::string(256, 'a')));
    }
    EXPECT_FALSE(GetExportedDance(guarded.data()));
    EXPECT_FALSE(GetExportedMix(guarded.data()));
    EXPECT_EQ(guarded[256], '#');
    ASSERT_TRUE(Write(Root::LocalMachine, kProduct, "VelorinExportedDance", ValueType::String,
                      std::string(255, 'a')));
    ASSERT_TRUE(GetExportedDance(guarded.data()));
    EXPECT_EQ(std::strlen(guarded.data()), 255u);
    EXPECT_EQ(guarded[256], '#');

    ASSERT_TRUE(Write(Root::LocalMachine, kProduct, "VelorinExportedDanceForAVI", ValueType::String,
                      "dance.avi"));
    std::array<char, 6> small;
    ASSERT_TRUE(GetExportedDanceForAvi(small.data(), small.size()));
    EXPECT_STREQ(small.data(), "dance");
    ASSERT_TRUE(GetExportedDanceForAvi(guarded.data(), 256));
    EXPECT_STREQ(guarded.data(), "dance.avi");
    EXPECT_FALSE(GetExportedDanceForAvi(guarded.data(), 0));

    ClearExportedDanceForAvi();
    EXPECT_FALSE(GetExportedDanceForAvi(nullptr, 0));
    ASSERT_TRUE(Write(Root::LocalMachine, kProduct, "VelorinExportedDanceForAVI", ValueType::Binary,
                      "again.avi"));
    EXPECT_TRUE(GetExportedDanceForAvi(nullptr, 0));
}

TEST_F(Settings, MixingToolPathIsFoundOnlyWhenItFitsWhole) {
    std::array<char, 256> path{};
    EXPECT_FALSE(GetMixingToolPath(nullptr, 256));
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\Blendora Technologies, Inc."));
    EXPECT_FALSE(GetMixingToolPath(path.data(), path.size()));
    EXPECT_TRUE(KeyExists(Root::LocalMachine, kMixingTool));

    ASSERT_TRUE(Write(Root::LocalMachine, kMixingTool, "", ValueType::String, "/opt/blendora"));
    ASSERT_TRUE(GetMixingToolPath(path.data(), path.size()));
    EXPECT_STREQ(path.data(), "/opt/blendora");
    std::array<char, 13> tight;
    EXPECT_FALSE(GetMixingToolPath(tight.data(), tight.size()));
    EXPECT_STREQ(tight.data(), "/opt/blendor");
    std::array<char, 14> exact;
    EXPECT_TRUE(GetMixingToolPath(exact.data(), exact.size()));
}

}  // namespace
