#include <gtest/gtest.h>

#include <array>

#include "platform/registry/Registry.h"
#include "platform/registry/fake/ScopedStore.h"
#include "tests/platform/registry/RegistryTestSupport.h"

// What every backend of the registry layer must do alike, run against each: the store file on
// Linux, the registry itself on Windows.
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
    EXPECT_EQ(Text(buffer.data(), info.size), std::string("play\0", 5));
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
    ASSERT_TRUE(
        test::Write(Root::LocalMachine, "SOFTWARE\\Old\\Tree", "k", ValueType::Binary, "\x05"));
    {
        WriteBatch dropped;
        ASSERT_EQ(dropped.status(), Status::Ok);
        ASSERT_TRUE(
            test::Write(Root::LocalMachine, "SOFTWARE\\Batch", "a", ValueType::String, "1"));
        EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Batch", "a"), Bytes("1"));
        ASSERT_EQ(DeleteKey(Root::LocalMachine, "SOFTWARE\\Old"), Status::Ok);
        EXPECT_FALSE(test::KeyExists(Root::LocalMachine, "SOFTWARE\\Old"));
    }
    EXPECT_FALSE(test::KeyExists(Root::LocalMachine, "SOFTWARE\\Batch"));
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Old\\Tree", "k"), Bytes("\x05"))
        << "a deleted tree comes back with its values";

    WriteBatch kept;
    ASSERT_TRUE(test::Write(Root::LocalMachine, "SOFTWARE\\Batch", "a", ValueType::String, "1"));
    ASSERT_TRUE(
        test::Write(Root::LocalMachine, "SOFTWARE\\Batch\\Sub", "b", ValueType::String, "2"));
    EXPECT_EQ(kept.Commit(), Status::Ok);
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, "SOFTWARE\\Batch\\Sub", "b"), Bytes("2"));
}

}  // namespace
}  // namespace platform::registry
