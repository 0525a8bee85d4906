#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/debug/DebugOutput.h"
#include "platform/registry/Registry.h"
#include "platform/registry/fake/ScopedStore.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/Helpers.h"

namespace platform::registry {
namespace {

using test::Bytes;

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
        testing_support::WriteFile(store_.path(), contents);
        Key key;
        EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key),
                  Status::StoreUnavailable);
        EXPECT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\X", key), Status::StoreUnavailable);
        EXPECT_NE(StoreProblem().find(store_.path()), std::string::npos) << StoreProblem();
        EXPECT_EQ(testing_support::ReadFile(store_.path()), contents);
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
    testing_support::ScopedEnv noStore("VELORIN_REGISTRY", nullptr);
    testing_support::ScopedEnv xdg("XDG_DATA_HOME", data.c_str());
    EXPECT_EQ(StorePath(), data + "/velorin/registry.db");
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
    struct stat info {};
    EXPECT_EQ(::stat(StorePath().c_str(), &info), 0);
    testing_support::ScopedEnv relative("XDG_DATA_HOME", "relative/data");
    testing_support::ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(StorePath(), "/home/someone/.local/share/velorin/registry.db");
}

TEST_F(StoreFile, AStoreFileRemovedWhileInUseIsMadeAfresh) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Old", key), Status::Ok);
    static_cast<void>(key.Close());
    std::filesystem::remove_all(store_.folder());
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Old", Access::Read, key), Status::NotFound);
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
}

// A creation killed half-way leaves its temporary files; those of a process that is gone go with
// the next creation, those of one still running (it may be creating the store now) stay.
TEST_F(StoreFile, AbandonedCreationsGoAtTheNextCreation) {
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = store_.path() + ".new-" + std::to_string(gone);
    const std::string living = store_.path() + ".new-" + std::to_string(::getppid());
    const std::string other = store_.path() + ".new-12ab";
    for (const std::string& file : {dead, dead + "-journal", living, other}) {
        testing_support::WriteFile(file, "left over");
    }
    Key key;
    ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_FALSE(std::filesystem::exists(dead + "-journal"));
    EXPECT_TRUE(std::filesystem::exists(living));
    EXPECT_TRUE(std::filesystem::exists(other));
}

// Names are counted strings: a zero byte inside one is a byte like any other.
TEST_F(StoreFile, NamesThatDifferAfterAZeroByteStayApart) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Z", key), Status::Ok);
    const std::string first("v\0one", 5);
    const std::string second("v\0two", 5);
    ASSERT_EQ(SetValue(key, first, ValueType::String, Bytes("1")), Status::Ok);
    ASSERT_EQ(SetValue(key, second, ValueType::String, Bytes("2")), Status::Ok);
    ASSERT_EQ(SetValue(key, std::string("V\0ONE", 5), ValueType::String, Bytes("3")), Status::Ok);
    std::vector<NamedValue> values;
    ASSERT_EQ(ListValues(key, values), Status::Ok);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name, first);
    EXPECT_EQ(values[0].data, Bytes("3"));
    EXPECT_EQ(values[1].name, second);
    EXPECT_EQ(values[1].data, Bytes("2"));
}

// A store left in a rollback journal by some other program, which holds it locked: the open
// cannot switch on the write-ahead log, and the settings after it are not left untried.
TEST_F(StoreFile, AStoreWhoseSettingsDidNotTakeIsNotUsed) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\T\\Sub", key), Status::Ok);
    static_cast<void>(key.Close());
    {
        ScopedStore elsewhere;  // lets go of the first store
        ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
    }
    static_cast<void>(key.Close());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(store_.path().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode = DELETE; BEGIN IMMEDIATE", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::StoreUnavailable);
    EXPECT_NE(LastProblem().find("busy"), std::string::npos) << LastProblem();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);

    ASSERT_EQ(DeleteKey(Root::LocalMachine, "SOFTWARE\\T"), Status::Ok);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(other, "SELECT count(*) FROM keys WHERE name = 'Sub'", -1, &count, nullptr);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), 0) << "a deleted key's sub-keys go with it";
    sqlite3_finalize(count);
    sqlite3_close(other);
}

class StoreDefaults : public ::testing::Test {
  protected:
    // Drop-in folders under two data folders: first (more important), second.
    void Put(int folder, const std::string& name, std::string_view text) {
        const std::filesystem::path dropIns =
            std::filesystem::path(data_[folder]) / "velorin/registry.d";
        std::filesystem::create_directories(dropIns);
        testing_support::WriteFile(dropIns / name, text);
    }

    // A test store ignores installed defaults; this one reads the two data folders.
    std::string DataDirs() const { return data_[0] + ":relative:" + data_[1]; }

    ScopedStore holder_;  // a folder for the data folders
    std::string data_[2] = {holder_.folder() + "/first", holder_.folder() + "/second"};
};

constexpr std::string_view kMixer =
    "Windows Registry Editor Version 5.00\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Mixer]\n";

TEST_F(StoreDefaults, AFreshStoreImportsEachGoodFileInNameOrderAndReportsTheBadOnes) {
    Put(0, "20-mixer.reg", test::Utf16(std::string(kMixer) + "@=\"/opt/first\"\n"));
    Put(1, "20-mixer.reg", std::string(kMixer) + "@=\"/opt/second\"\n\"hidden\"=\"x\"\n");
    Put(1, "15-early.reg", std::string(kMixer) + "\"order\"=\"15\"\n");
    Put(0, "40-later.reg", std::string(kMixer) + "\"order\"=\"40\"\n");
    Put(0, "10-bad.reg", std::string(kMixer) + "\"bad\"=\"kept?\"\n\"c\"=dword:1\n");
    Put(1, "30-root.reg", std::string(kMixer) + "\"root\"=\"kept?\"\n[-HKEY_CLASSES_ROOT]\n");
    Put(0, "50-notes.txt", "not a .reg file");
    platform::debug::CapturedDebugOutput debug;
    ScopedStore fresh;
    testing_support::ScopedEnv dataDirs{"XDG_DATA_DIRS", DataDirs().c_str()};

    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Mixer", ""),
              Bytes(std::string("/opt/first\0", 11)));
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Mixer", "order"),
              Bytes(std::string("40\0", 3)));
    for (const char* name : {"hidden", "bad", "root"}) {
        EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Mixer", name), std::nullopt)
            << name;
    }
    EXPECT_TRUE(test::KeyExists(Root::ClassesRoot, "AudioCD\\shell"));
    const std::string& text = debug.text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
    EXPECT_NE(text.find(data_[0] + "/velorin/registry.d/10-bad.reg:4: "), std::string::npos)
        << text;
    EXPECT_NE(text.find(data_[1] + "/velorin/registry.d/30-root.reg:4: "), std::string::npos)
        << text;
}

// Opens the current store afresh, as the next program to use it would.
void OpenAgain() {
    {
        ScopedStore elsewhere;  // lets go of the current store
        test::KeyExists(Root::LocalMachine, "SOFTWARE");
    }
    test::KeyExists(Root::LocalMachine, "SOFTWARE");
}

std::optional<std::vector<std::byte>> MixerValue(const char* name) {
    return test::ReadBack(Root::LocalMachine, "SOFTWARE\\Mixer", name);
}

TEST_F(StoreDefaults, AStoreTakesInEachFileOnceEvenWhenInstalledLaterAndKeepsTheUsersChanges) {
    ScopedStore store;
    testing_support::ScopedEnv dataDirs{"XDG_DATA_DIRS", DataDirs().c_str()};
    ASSERT_TRUE(test::KeyExists(Root::LocalMachine, "SOFTWARE"));
    EXPECT_FALSE(test::KeyExists(Root::LocalMachine, "SOFTWARE\\Mixer"));

    // Installed after the store's first use.
    Put(1, "30-mixer.reg",
        std::string(kMixer) + "@=\"/opt/mixer\"\n\"changed\"=\"a\"\n\"deleted\"=\"a\"\n");
    OpenAgain();
    EXPECT_EQ(MixerValue(""), Bytes(std::string("/opt/mixer\0", 11)));
    OpenAgain();  // the first program's log reaches the store file as it lets go
    const auto taken = test::FileStates(store.path());
    OpenAgain();
    const auto reopened = test::FileStates(store.path());
    EXPECT_EQ(reopened[0], taken[0]) << "a file taken in is not applied again";
    EXPECT_EQ(reopened[1], taken[1]) << "a file taken in is not applied again";
    EXPECT_EQ(reopened[2], 0) << "a file taken in is not applied again";

    ASSERT_TRUE(
        test::Write(Root::LocalMachine, "SOFTWARE\\Mixer", "changed", ValueType::String, "mine"));
    Key mixer;
    ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Mixer", Access::All, mixer), Status::Ok);
    ASSERT_EQ(DeleteValue(mixer, "deleted"), Status::Ok);
    static_cast<void>(mixer.Close());
    OpenAgain();
    EXPECT_EQ(MixerValue("changed"), Bytes("mine"));
    EXPECT_EQ(MixerValue("deleted"), std::nullopt);

    // A new version of the file: what the user left alone follows it, the rest stays theirs.
    Put(1, "30-mixer.reg",
        std::string(kMixer) +
            "@=\"/opt/mixer2\"\n\"changed\"=\"b\"\n\"deleted\"=\"b\"\n"
            "\"added\"=dword:00000007\n");
    OpenAgain();
    EXPECT_EQ(MixerValue(""), Bytes(std::string("/opt/mixer2\0", 12)));
    EXPECT_EQ(MixerValue("changed"), Bytes("mine"));
    EXPECT_EQ(MixerValue("deleted"), std::nullopt);
    EXPECT_EQ(MixerValue("added"), Bytes(std::string("\7\0\0\0", 4)));
}

}  // namespace
}  // namespace platform::registry
