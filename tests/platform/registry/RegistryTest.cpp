#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/registry/Registry.h"
#include "platform/registry/fake/ScopedStore.h"
#include "tests/platform/registry/RegistryTestSupport.h"

namespace platform::registry {
namespace {

// The store file behind the layer on Linux.
class StoreFile : public ::testing::Test {
  protected:
    ScopedStore store_;
};

TEST_F(StoreFile, OpeningExistingKeysLeavesTheFilesAlone) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Maker\\Product", key), Status::Ok);
    const auto before = test::FileStates(store_.path());
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Maker", Access::Read, key), Status::Ok);
        ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Maker\\Product", key), Status::Ok);
    }
    EXPECT_EQ(test::FileStates(store_.path()), before);
}

TEST_F(StoreFile, AFileThatIsNotAStoreIsNeverOverwritten) {
    for (std::string_view contents : {"hello, not a database\n", ""}) {
        test::WriteFile(store_.path(), contents);
        Key key;
        EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key),
                  Status::StoreUnavailable);
        EXPECT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\X", key), Status::StoreUnavailable);
        EXPECT_NE(StoreProblem().find(store_.path()), std::string::npos) << StoreProblem();
        EXPECT_EQ(test::ReadFile(store_.path()), contents);
    }
}

TEST_F(StoreFile, StoreFollowsItsPathAndCreatesTheFolder) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\First", key), Status::Ok);
    {
        ScopedStore second;
        EXPECT_EQ(StorePath(), second.path());
        EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\First", Access::Read, key),
                  Status::NotFound);
    }
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\First", Access::Read, key), Status::Ok);

    const std::string data = store_.folder() + "/data";
    test::ScopedEnv noStore("VELORIN_REGISTRY", nullptr);
    test::ScopedEnv xdg("XDG_DATA_HOME", data.c_str());
    EXPECT_EQ(StorePath(), data + "/velorin/registry.db");
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
    struct stat info {};
    EXPECT_EQ(::stat(StorePath().c_str(), &info), 0);
    test::ScopedEnv relative("XDG_DATA_HOME", "relative/data");
    test::ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(StorePath(), "/home/someone/.local/share/velorin/registry.db");
}

TEST_F(StoreFile, AStoreFileRemovedWhileInUseIsMadeAfresh) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Old", key), Status::Ok);
    key.Close();
    std::filesystem::remove_all(store_.folder());
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Old", Access::Read, key), Status::NotFound);
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
}

}  // namespace
}  // namespace platform::registry
