#include <gtest/gtest.h>

#include <string>

#include "audiotest/CSeTestDlg.h"
#include "platform/debug/DebugOutput.h"
#include "platform/registry/fake/ScopedStore.h"
#include "tests/platform/registry/RegistryTestSupport.h"

namespace {

using platform::registry::Root;
using platform::registry::ValueType;
using platform::registry::test::Bytes;
using platform::registry::test::KeyExists;
using platform::registry::test::ReadBack;
using platform::registry::test::TypeOf;
using platform::registry::test::Write;

constexpr const char* kShell = "AudioCD\\shell";

std::optional<std::vector<std::byte>> Autoplay() {
    return ReadBack(Root::ClassesRoot, kShell, "");
}

std::vector<std::byte> Stored(const std::string& text) {
    return Bytes(std::string_view(text.c_str(), text.size() + 1));
}

class AutoplayGuard : public ::testing::Test {
  protected:
    platform::registry::ScopedStore store_;
    platform::debug::CapturedDebugOutput debug_;
};

// A fresh installation plays audio CDs; the guard keeps that.
TEST_F(AutoplayGuard, BlanksTheVerbWhileActiveAndPutsItBack) {
    CSeTestDlg guard;
    guard.SuspendAutoplay();
    EXPECT_EQ(Autoplay(), Stored(""));
    EXPECT_STREQ(guard.savedAutoplay, "play");
    guard.RestoreAutoplay();
    EXPECT_EQ(Autoplay(), Stored("play"));
    EXPECT_EQ(debug_.text(), "");
}

// The blank is the guard's own: a test that never finished (killed, crashed) leaves it, and the
// next test must not save it and put it back as if the user had chosen it.
TEST_F(AutoplayGuard, ABlankVerbIsNeverPutBackAndGuardsChain) {
    for (const std::string& blank : {std::string(1, '\0'), std::string()}) {
        ASSERT_TRUE(Write(Root::ClassesRoot, kShell, "", ValueType::String, blank));
        CSeTestDlg next;
        next.SuspendAutoplay();
        next.RestoreAutoplay();
        EXPECT_EQ(Autoplay(), Stored("play")) << blank.size() << " bytes";
    }
    CSeTestDlg unsuspended;
    unsuspended.RestoreAutoplay();
    EXPECT_EQ(Autoplay(), Stored("play"));

    ASSERT_TRUE(Write(Root::ClassesRoot, kShell, "", ValueType::String, std::string("open\0", 5)));
    CSeTestDlg first;
    first.SuspendAutoplay();
    CSeTestDlg second;
    second.SuspendAutoplay();
    EXPECT_STREQ(second.savedAutoplay, "") << "the second saves what the first left";
    second.RestoreAutoplay();
    first.RestoreAutoplay();
    EXPECT_EQ(Autoplay(), Stored("open"));
}

void RemoveTheVerb() {
    platform::registry::Key key;
    ASSERT_EQ(platform::registry::OpenKey(Root::ClassesRoot, kShell,
                                          platform::registry::Access::All, key),
              platform::registry::Status::Ok);
    ASSERT_EQ(platform::registry::DeleteValue(key, ""), platform::registry::Status::Ok);
}

TEST_F(AutoplayGuard, AnAbsentVerbIsAbsentAgainAfterTheTest) {
    RemoveTheVerb();
    ASSERT_TRUE(Write(Root::ClassesRoot, kShell, "other", ValueType::String, "x"));
    CSeTestDlg guard;
    guard.SuspendAutoplay();
    EXPECT_EQ(Autoplay(), Stored("")) << "blank while active";
    EXPECT_NE(debug_.text().find("CSeTestDlg::ReadAutoplayString - Error reading key...\n"),
              std::string::npos);
    guard.RestoreAutoplay();
    EXPECT_FALSE(Autoplay().has_value());
    EXPECT_TRUE(ReadBack(Root::ClassesRoot, kShell, "other").has_value());
}

TEST_F(AutoplayGuard, AVerbTooLongForTheBufferKeepsEveryCharacterAndItsType) {
    const std::string verb(100, 'v');
    ASSERT_TRUE(Write(Root::ClassesRoot, kShell, "", ValueType::Binary, verb));
    CSeTestDlg guard;
    guard.SuspendAutoplay();
    EXPECT_EQ(Autoplay(), Stored(""));
    guard.RestoreAutoplay();
    EXPECT_EQ(Autoplay(), Bytes(verb));
    EXPECT_EQ(TypeOf(Root::ClassesRoot, kShell, ""), ValueType::Binary);
}

TEST_F(AutoplayGuard, WithoutTheKeyEveryOpenFailsAndNothingIsCreated) {
    ASSERT_EQ(platform::registry::DeleteKey(Root::ClassesRoot, "AudioCD"),
              platform::registry::Status::Ok);
    CSeTestDlg guard;
    guard.SuspendAutoplay();
    guard.RestoreAutoplay();
    EXPECT_FALSE(KeyExists(Root::ClassesRoot, kShell));
    EXPECT_EQ(debug_.text(),
              "CSeTestDlg::ReadAutoplayString - Error opening key...\n"
              "CSeTestDlg::WriteAutoplayString - Error opening key...\n"
              "CSeTestDlg::WriteAutoplayString - Error opening key...\n");
}

}  // namespace
