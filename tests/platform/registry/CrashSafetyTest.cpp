// The store across processes: killed writers, writers at the same time, a full disk and a
// read-only store, each driven through the registry_writer helper.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "platform/registry/fake/ScopedStore.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/ChildProcess.h"

namespace platform::registry {
namespace {

using testing_support::ChildProcess;

constexpr int kWriterFailed = 3;

std::vector<std::string> Writer(std::vector<std::string> args) {
    args.insert(args.begin(), REGISTRY_WRITER);
    return args;
}

// Reads "ok <i>" lines until the output ends or limit lines were read; returns the indices.
std::vector<long long> Confirmed(ChildProcess& child, std::size_t limit = SIZE_MAX) {
    std::vector<long long> indices;
    std::string line;
    while (indices.size() < limit && child.ReadLine(line)) {
        if (line.starts_with("ok ")) {
            indices.push_back(std::stoll(line.substr(3)));
        }
    }
    return indices;
}

std::string IntegrityCheck(const std::string& path) {
    sqlite3* db = nullptr;
    std::string verdict = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW) {
            verdict = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return verdict;
}

void ExpectReadsBack(const std::string& prefix, const std::vector<long long>& indices,
                     std::size_t size) {
    for (long long i : indices) {
        EXPECT_EQ(test::ReadBack(Root::LocalMachine, test::kWriterKey, prefix + std::to_string(i)),
                  test::Bytes(test::WriterData(i, size)))
            << prefix << i;
    }
}

class CrashSafety : public ::testing::Test {
  protected:
    ScopedStore store_;
};

TEST_F(CrashSafety, EveryConfirmedWriteSurvivesSigkill) {
    constexpr std::size_t kSize = 64;
    constexpr int kRounds = 6;
    std::vector<long long> confirmed;
    long long next = 0;
    for (int round = 0; round < kRounds; ++round) {
        ChildProcess child(Writer({"w", std::to_string(next), "0", std::to_string(kSize)}));
        ASSERT_TRUE(child.started());
        std::vector<long long> seen = Confirmed(child, 2 + 3 * round);
        ::usleep(200 * round);  // lets the kill land at different points of a write
        child.Kill(SIGKILL);
        const std::vector<long long> late = Confirmed(child);  // printed before it died
        seen.insert(seen.end(), late.begin(), late.end());
        EXPECT_EQ(child.Wait(), 128 + SIGKILL);
        ASSERT_FALSE(seen.empty());
        confirmed.insert(confirmed.end(), seen.begin(), seen.end());
        next = seen.back() + 1;

        EXPECT_EQ(StoreProblem(), "");
        EXPECT_EQ(IntegrityCheck(store_.path()), "ok");
        ExpectReadsBack("w", confirmed, kSize);
    }
}

TEST_F(CrashSafety, TwoWritersAtOnceOnAMissingStoreLoseNothing) {
    constexpr int kEach = 40;
    ChildProcess a(Writer({"a", "0", std::to_string(kEach), "16"}));
    ChildProcess b(Writer({"b", "0", std::to_string(kEach), "16"}));
    const std::vector<long long> fromA = Confirmed(a);
    const std::vector<long long> fromB = Confirmed(b);
    EXPECT_EQ(a.Wait(), 0);
    EXPECT_EQ(b.Wait(), 0);
    EXPECT_EQ(fromA.size(), std::size_t{kEach});
    EXPECT_EQ(fromB.size(), std::size_t{kEach});
    ExpectReadsBack("a", fromA, 16);
    ExpectReadsBack("b", fromB, 16);
}

TEST_F(CrashSafety, AFullDiskFailsTheWriteAndKeepsNoPartOfIt) {
    constexpr std::size_t kSize = 4096;
    ASSERT_TRUE(test::Write(Root::LocalMachine, "SOFTWARE", "before", ValueType::String, "x"));
    struct stat info {};
    ASSERT_EQ(::stat(store_.path().c_str(), &info), 0);
    const std::string limit = std::to_string(info.st_size + 16 * kSize);

    ChildProcess child(Writer({"--file-limit", limit, "f", "0", "200", std::to_string(kSize)}));
    const std::vector<long long> written = Confirmed(child);
    EXPECT_EQ(child.Wait(), kWriterFailed);
    ASSERT_LT(written.size(), 200u);

    EXPECT_EQ(IntegrityCheck(store_.path()), "ok");
    ExpectReadsBack("f", written, kSize);
    const std::string failed = "f" + std::to_string(written.size());
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, test::kWriterKey, failed), std::nullopt);
    EXPECT_TRUE(test::Write(Root::LocalMachine, test::kWriterKey, "after", ValueType::String, "y"));
}

TEST_F(CrashSafety, AReadOnlyStoreIsReadButRefusesWrites) {
    ChildProcess writer(Writer({"r", "0", "3", "16"}));
    EXPECT_EQ(Confirmed(writer).size(), 3u);
    EXPECT_EQ(writer.Wait(), 0);
    ASSERT_EQ(::chmod(store_.path().c_str(), 0444), 0);
    ASSERT_EQ(::chmod(store_.folder().c_str(), 0555), 0);

    ChildProcess reader(Writer({"--as-nobody", "--read", "r", "0", "3", "16"}));
    EXPECT_EQ(Confirmed(reader).size(), 3u);
    EXPECT_EQ(reader.Wait(), 0);
    ChildProcess refused(Writer({"--as-nobody", "r", "3", "1", "16"}));
    EXPECT_TRUE(Confirmed(refused).empty());
    EXPECT_EQ(refused.Wait(), kWriterFailed);

    ::chmod(store_.folder().c_str(), 0755);
    ::chmod(store_.path().c_str(), 0644);
    EXPECT_EQ(IntegrityCheck(store_.path()), "ok");
    EXPECT_EQ(test::ReadBack(Root::LocalMachine, test::kWriterKey, "r3"), std::nullopt);
}

// Another user's store, read by "nobody" (when the tests run as root; else by the same user, the
// modes then bind it alike), who cannot open the shared index of its write-ahead log.
TEST_F(CrashSafety, AReaderThatCannotSeeTheLogGetsNoAnswerRatherThanAnOldOne) {
    ChildProcess writer(Writer({"r", "0", "1", "16"}));
    EXPECT_EQ(writer.Wait(), 0);
    // A newer r0 waits in the log while this process keeps the store open.
    ASSERT_TRUE(test::Write(Root::LocalMachine, test::kWriterKey, "r0", ValueType::Binary,
                            test::WriterData(0, 32)));
    ASSERT_EQ(::chmod(store_.folder().c_str(), 0755), 0);
    ASSERT_EQ(::chmod((store_.path() + "-shm").c_str(), 0), 0);

    ChildProcess stale(Writer({"--as-nobody", "--read", "r", "0", "1", "16"}));
    EXPECT_TRUE(Confirmed(stale).empty());
    EXPECT_EQ(stale.Wait(), kWriterFailed);
    ::chmod((store_.path() + "-shm").c_str(), 0644);
}

TEST_F(CrashSafety, FixingTheStoreFilesModeIsEnoughToWriteAgain) {
    ChildProcess writer(Writer({"m", "0", "1", "16"}));
    EXPECT_EQ(writer.Wait(), 0);
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(store_.folder().c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(store_.path().c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(store_.path().c_str(), 0444), 0);
    ChildProcess reader(Writer({"--as-nobody", "--read", "m", "0", "1", "16"}));
    EXPECT_EQ(Confirmed(reader).size(), 1u);
    EXPECT_EQ(reader.Wait(), 0);

    ASSERT_EQ(::chmod(store_.path().c_str(), 0644), 0);
    ChildProcess again(Writer({"--as-nobody", "m", "1", "1", "16"}));
    EXPECT_EQ(Confirmed(again).size(), 1u);
    EXPECT_EQ(again.Wait(), 0);
}

}  // namespace
}  // namespace platform::registry
