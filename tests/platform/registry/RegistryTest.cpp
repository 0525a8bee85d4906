#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/debug/DebugOutput.h"
#include "platform/registry/Registry.h"
#include "platform/registry/fake/ScopedStore.h"
#include "tests/platform/registry/RegistryTestSupport.h"

namespace platform::registry {
namespace {

using test::Bytes;
using test::Text;

class Registry : public ::testing::Test {
  protected:
    ScopedStore store_;
};

TEST_F(Registry, FreshStoreHoldsSoftwareAndTheAudioCdVerb) {
    Key software;
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, software), Status::Ok);
    Key shell;
    ASSERT_EQ(OpenKey(Root::ClassesRoot, "AudioCD\\shell", Access::Read, shell), Status::Ok);
    std::array<std::byte, 80> buffer{};
    ValueInfo info;
    ASSERT_EQ(QueryValue(shell, "", buffer, info), Status::Ok);
    EXPECT_EQ(info.type, ValueType::String);
    EXPECT_EQ(Text(buffer.data(), info.size), std::string("play", 5));
    Key other;
    EXPECT_EQ(OpenKey(Root::ClassesRoot, "SOFTWARE", Access::Read, other), Status::NotFound);
}

TEST_F(Registry, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    Key created;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Maker\\Product", created), Status::Ok);
    ASSERT_EQ(SetValue(created, "Speed Value", ValueType::String, Bytes("a")), Status::Ok);
    Key again;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "software\\MAKER\\product", again), Status::Ok);
    EXPECT_EQ(again.id(), created.id());
    ASSERT_EQ(SetValue(again, "SPEED VALUE", ValueType::String, Bytes("bb")), Status::Ok);

    Key maker;
    ASSERT_EQ(OpenKey(Root::LocalMachine, "Software\\maker", Access::Read, maker), Status::Ok);
    std::vector<std::string> subKeys;
    ASSERT_EQ(ListSubKeys(maker, subKeys), Status::Ok);
    EXPECT_EQ(subKeys, std::vector<std::string>{"Product"});
    std::vector<NamedValue> values;
    ASSERT_EQ(ListValues(created, values), Status::Ok);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "Speed Value");
    EXPECT_EQ(values[0].data, Bytes("bb"));
}

TEST_F(Registry, QueryReportsTypeSizeAbsenceAndOverflow) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Q", key), Status::Ok);
    ASSERT_EQ(SetValue(key, "four", ValueType::Dword, Bytes("\x01\x02\x03\x04")), Status::Ok);
    ASSERT_EQ(SetValue(key, "empty", ValueType::String, {}), Status::Ok);

    std::array<std::byte, 4> exact{};
    ValueInfo info;
    EXPECT_EQ(QueryValue(key, "four", exact, info), Status::Ok);
    EXPECT_EQ(info.type, ValueType::Dword);
    EXPECT_EQ(info.size, 4u);

    std::array<std::byte, 3> small{std::byte{9}, std::byte{9}, std::byte{9}};
    EXPECT_EQ(QueryValue(key, "four", small, info), Status::MoreData);
    EXPECT_EQ(info.size, 4u);
    EXPECT_EQ(small[0], std::byte{9}) << "a failed query leaves the buffer alone";

    EXPECT_EQ(QueryValue(key, "empty", small, info), Status::Ok);
    EXPECT_EQ(info.type, ValueType::String);
    EXPECT_EQ(info.size, 0u);
    EXPECT_EQ(QueryValue(key, "absent", small, info), Status::NotFound);
    EXPECT_EQ(QueryValue(key, "", small, info), Status::NotFound);
    ASSERT_EQ(SetValue(key, "", ValueType::Binary, Bytes("\x07")), Status::Ok);
    EXPECT_EQ(QueryValue(key, "", small, info), Status::Ok);
    EXPECT_EQ(small[0], std::byte{7});
}

TEST_F(Registry, OnlyWritableHandlesWrite) {
    Key all;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\A", all), Status::Ok);
    ASSERT_EQ(SetValue(all, "v", ValueType::Binary, Bytes("\x01")), Status::Ok);
    for (Access access : {Access::QueryValue, Access::Read}) {
        Key reader;
        ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\A", access, reader), Status::Ok);
        EXPECT_EQ(SetValue(reader, "v", ValueType::Binary, Bytes("\x02")), Status::AccessDenied);
        EXPECT_EQ(DeleteValue(reader, "v"), Status::AccessDenied);
        // Creating below a reading handle is allowed; only its own values are protected.
        Key child;
        EXPECT_EQ(CreateKey(reader, "Child", child), Status::Ok);
    }
    Key writer;
    ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\A", Access::Write, writer), Status::Ok);
    EXPECT_EQ(SetValue(writer, "v", ValueType::Binary, Bytes("\x03")), Status::Ok);
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\A", "v"), Bytes("\x03"));
}

TEST_F(Registry, BadPathsAndClosedHandlesAreRefused) {
    Key key;
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Nope", Access::Read, key), Status::NotFound);
    EXPECT_FALSE(key.IsOpen());
    for (const char* path : {"\\SOFTWARE", "SOFTWARE\\", "SOFTWARE\\\\X"}) {
        EXPECT_EQ(CreateKey(Root::LocalMachine, path, key), Status::InvalidArgument) << path;
    }
    ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
    EXPECT_EQ(key.Close(), Status::Ok);
    EXPECT_EQ(key.Close(), Status::StoreUnavailable);
    ValueInfo info;
    EXPECT_EQ(QueryValue(key, "", {}, info), Status::InvalidArgument);
    EXPECT_EQ(DeleteKey(Root::LocalMachine, ""), Status::InvalidArgument);
}

TEST_F(Registry, DeletingAKeyTakesItsTreeAndStopsItsHandles) {
    Key deep;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\T\\U\\V", deep), Status::Ok);
    ASSERT_EQ(SetValue(deep, "x", ValueType::Binary, Bytes("\x01")), Status::Ok);
    ASSERT_EQ(DeleteKey(Root::LocalMachine, "software\\t"), Status::Ok);

    Key gone;
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\T", Access::Read, gone), Status::NotFound);
    EXPECT_EQ(SetValue(deep, "x", ValueType::Binary, Bytes("\x02")), Status::NotFound);
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\T\\U\\V", deep), Status::Ok);
    std::vector<NamedValue> values;
    ASSERT_EQ(ListValues(deep, values), Status::Ok);
    EXPECT_TRUE(values.empty()) << "a re-created key starts empty";
    EXPECT_EQ(DeleteKey(Root::LocalMachine, "SOFTWARE\\T\\Nope"), Status::NotFound);
    EXPECT_EQ(DeleteValue(deep, "x"), Status::NotFound);
}

TEST_F(Registry, ABatchKeepsAllItsWritesOrNone) {
    {
        WriteBatch dropped;
        ASSERT_EQ(dropped.status(), Status::Ok);
        ASSERT_TRUE(
            test::Write(Root::LocalMachine, "SOFTWARE\\Batch", "a", ValueType::String, "1"));
        EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Batch", "a"), Bytes("1"));
    }
    EXPECT_FALSE(test::KeyExists(Root::LocalMachine, "SOFTWARE\\Batch"));

    WriteBatch kept;
    ASSERT_TRUE(test::Write(Root::LocalMachine, "SOFTWARE\\Batch", "a", ValueType::String, "1"));
    ASSERT_TRUE(
        test::Write(Root::LocalMachine, "SOFTWARE\\Batch\\Sub", "b", ValueType::String, "2"));
    EXPECT_EQ(kept.Commit(), Status::Ok);
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Batch\\Sub", "b"), Bytes("2"));
}

TEST_F(Registry, OpeningExistingKeysLeavesTheFilesAlone) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Maker\\Product", key), Status::Ok);
    const auto before = test::FileStates(store_.path());
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Maker", Access::Read, key), Status::Ok);
        ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Maker\\Product", key), Status::Ok);
    }
    EXPECT_EQ(test::FileStates(store_.path()), before);
}

TEST_F(Registry, AFileThatIsNotAStoreIsNeverOverwritten) {
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

TEST_F(Registry, StoreFollowsItsPathAndCreatesTheFolder) {
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

TEST_F(Registry, AStoreFileRemovedWhileInUseIsMadeAfresh) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\Old", key), Status::Ok);
    key.Close();
    std::filesystem::remove_all(store_.folder());
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Old", Access::Read, key), Status::NotFound);
    EXPECT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
}

// A store left in a rollback journal by some other program, which holds it locked: the open
// cannot switch on the write-ahead log, and the settings after it are not left untried.
TEST_F(Registry, AStoreWhoseSettingsDidNotTakeIsNotUsed) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\T\\Sub", key), Status::Ok);
    key.Close();
    {
        ScopedStore elsewhere;  // lets go of the first store
        ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE", Access::Read, key), Status::Ok);
    }
    key.Close();
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
        test::WriteFile(dropIns / name, text);
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
    test::ScopedEnv dataDirs{"XDG_DATA_DIRS", DataDirs().c_str()};

    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Mixer", ""),
              Bytes(std::string("/opt/first", 11)));
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Mixer", "order"),
              Bytes(std::string("40", 3)));
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

    // A store that is already there is never filled again.
    Key mixer;
    ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\Mixer", Access::All, mixer), Status::Ok);
    ASSERT_EQ(DeleteValue(mixer, "order"), Status::Ok);
    mixer.Close();
    {
        ScopedStore elsewhere;  // lets go of the fresh store, so that it is opened again
        test::KeyExists(Root::LocalMachine, "SOFTWARE");
    }
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Mixer", "order"), std::nullopt);
}

}  // namespace
}  // namespace platform::registry
