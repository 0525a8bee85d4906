// velorin-reg end to end: the built program on a temporary store.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/registry/fake/ScopedStore.h"
#include "settings/Settings.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"

namespace {

using platform::registry::Root;
using platform::registry::ScopedStore;
using platform::registry::test::Bytes;
using platform::registry::test::KeyExists;
using platform::registry::test::ReadBack;
using platform::registry::test::Utf16;
using testing_support::ProgramResult;
using testing_support::WriteFile;

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00\n";

// The tool's words, after an optional command that runs it (a limit, another user, an output).
ProgramResult Reg(std::vector<std::string> args, std::string_view input = {},
                  std::vector<std::string> wrapper = {}) {
    args.insert(args.begin(), VELORIN_REG);
    args.insert(args.begin(), wrapper.begin(), wrapper.end());
    return testing_support::RunProgram(args, input);
}

// Runs the tool as the unprivileged user "nobody" when the test runs as root, so that file
// permissions apply.
std::vector<std::string> AsUnprivileged() {
    if (::geteuid() != 0) {
        return {};
    }
    return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

// A failure is one line on standard error and nothing on standard output.
void ExpectFailure(const ProgramResult& result, int status, std::string_view mentions) {
    EXPECT_EQ(result.status, status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find(mentions), std::string::npos) << result.err;
}

class VelorinReg : public ::testing::Test {
  protected:
    ScopedStore store_;
};

TEST_F(VelorinReg, QueryPrintsTypeAndDataOfEachForm) {
    EXPECT_EQ(Reg({"query", "HKCR\\AudioCD\\shell", ""}).out, "REG_SZ\tplay\n");
    const std::string key = "HKLM\\SOFTWARE\\Tessaly\\Velorin";
    EXPECT_EQ(Reg({"set", key, "FPS", "REG_SZ", "TEST SPEED"}).status, 0);
    EXPECT_EQ(
        Reg({"set", key + "\\Options", "Graphics ModelResolution", "REG_BINARY", "0200"}).status,
        0);
    EXPECT_EQ(Reg({"set", key, "Count", "REG_DWORD", "42"}).status, 0);
    EXPECT_EQ(Reg({"set", key, "Empty", "REG_SZ", ""}).status, 0);

    EXPECT_EQ(Reg({"query", "hkey_local_machine\\software\\tessaly\\velorin", "fps"}).out,
              "REG_SZ\tTEST SPEED\n");
    EXPECT_EQ(Reg({"query", key + "\\Options", "Graphics ModelResolution"}).out,
              "REG_BINARY\t0200\n");
    EXPECT_EQ(Reg({"query", key, "Count"}).out, "REG_DWORD\t0x0000002a\n");
    EXPECT_EQ(Reg({"query", key}).out,
              "Count\tREG_DWORD\t0x0000002a\nEmpty\tREG_SZ\t\nFPS\tREG_SZ\tTEST SPEED\n"
              "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaly\\Velorin\\Options\n");
    // The launcher, in another process, sees what the tool wrote.
    EXPECT_EQ(GetModelResolution(), 2);
    EXPECT_TRUE(IsSpeedTestPending());
    EXPECT_FALSE(GetExportedDance(nullptr));
}

TEST_F(VelorinReg, ExitStatusesSayWhatWentWrong) {
    ExpectFailure(Reg({"query", "HKLM\\SOFTWARE\\Nope"}), 1, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Nope");
    ExpectFailure(Reg({"query", "HKLM\\SOFTWARE", "nope"}), 1, "\"nope\"");
    ExpectFailure(Reg({"delete", "HKLM\\SOFTWARE\\Nope"}), 1, "not found");
    ExpectFailure(Reg({}), 2, "usage");
    EXPECT_NE(Reg({"--help"})
                  .out.find("import takes at most 100000 keys and values and 33554432 "
                            "bytes of names and data"),
              std::string::npos);
    ExpectFailure(Reg({"frobnicate", "HKLM"}), 2, "frobnicate");
    ExpectFailure(Reg({"query", "HKCU\\Software"}), 2, "root");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_BINARY", "0g"}), 2, "0g");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_DWORD", "4294967296"}), 2, "REG_DWORD");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_MULTI_SZ", "x"}), 2, "REG_MULTI_SZ");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_SZ"}), 2, "usage");
    ExpectFailure(Reg({"delete", "HKLM"}), 2, "root");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_DWORD", ""}), 2, "REG_DWORD");
    EXPECT_FALSE(ReadBack(Root::LocalMachine, "SOFTWARE", "v"));

    // A long name is shortened in the message, keeping its start and end.
    const std::string longKey = "HKLM\\SOFTWARE\\" + std::string(10000, 'k') + "\\end";
    const ProgramResult missing = Reg({"query", longKey});
    ExpectFailure(missing, 1, "kkk\\end not found");
    EXPECT_NE(missing.err.find("kkk...kkk"), std::string::npos) << missing.err;
    EXPECT_LT(missing.err.size(), 200u);

    // A relative store path names a file in the folder the tool was started in, and says so.
    WriteFile(store_.folder() + "/junk.db", "not a store");
    ExpectFailure(
        Reg({"query", "HKLM"}, {}, {"env", "-C", store_.folder(), "VELORIN_REGISTRY=junk.db"}), 2,
        store_.folder() + "/junk.db: not a registry store");

    WriteFile(store_.path(), "not a store");
    ExpectFailure(Reg({"query", "HKLM\\SOFTWARE"}), 2, store_.path());
    EXPECT_EQ(testing_support::ReadFile(store_.path()), "not a store");
}

TEST_F(VelorinReg, DeleteTakesAValueOrAWholeTree) {
    ASSERT_EQ(Reg({"set", "HKLM\\SOFTWARE\\A\\B\\C", "v", "REG_SZ", "x"}).status, 0);
    ASSERT_EQ(Reg({"set", "HKLM\\SOFTWARE\\A", "w", "REG_SZ", "y"}).status, 0);
    EXPECT_EQ(Reg({"delete", "HKLM\\SOFTWARE\\A", "W"}).status, 0);
    EXPECT_EQ(Reg({"query", "HKLM\\SOFTWARE\\A", "w"}).status, 1);
    EXPECT_EQ(Reg({"delete", "HKLM\\SOFTWARE\\A"}).status, 0);
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\A\\B\\C"));
    EXPECT_TRUE(KeyExists(Root::LocalMachine, "SOFTWARE"));
}

// Values as the system's registry editor writes them: quoted texts with escapes, dwords, and
// hex(N) values of any type, some long enough to continue over several lines.
std::string RegeditText() {
    std::string text = std::string(kHeader) +
                       "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Round]\n"
                       "@=\"default\"\n"
                       "\"say \\\"hi\\\" \\\\ there\"=\"C:\\\\a \\\"b\\\" Zürich ♫ 𝄞\"\n"
                       "\"expand\"=hex(2):25,00,54,00,00,00\n"
                       "\"multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
                       "\"qword\"=hex(b):01,02,03,04,05,06,07,08\n"
                       "\"none\"=hex(0):\n"
                       "\"odd\"=hex(ffff0001):7f\n"
                       "\"short dword\"=hex(4):01,02,03\n"
                       "\"d\"=dword:80000001\n"
                       "\"long\"=hex:";
    for (int i = 0; i < 300; ++i) {
        text += (i > 0 ? (i % 20 == 0 ? ",\\\n  " : ",") : "") + std::string(i % 2 ? "0a" : "f0");
    }
    return text + "\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Round\\Sub\\Empty]\n";
}

TEST_F(VelorinReg, EveryValueSurvivesExportAndImportByteForByte) {
    const std::string key = "HKLM\\SOFTWARE\\Round";
    ASSERT_EQ(Reg({"import", "-"}, RegeditText()).status, 0);
    const std::string fromUtf8 = Reg({"export", key}).out;
    ASSERT_EQ(Reg({"set", key + "\\Sub", "bytes", "REG_BINARY", "00ff10"}).status, 0);
    ASSERT_EQ(Reg({"set", key + "\\Sub", "empty", "REG_BINARY", ""}).status, 0);
    ASSERT_EQ(Reg({"set", key + "\\Sub", "plain", "REG_SZ", "no zero"}).status, 0);
    ASSERT_EQ(Reg({"set", key + "\\Sub", "two lines", "REG_SZ", "a\nb"}).status, 0);
    EXPECT_EQ(Reg({"query", key, "multi"}).out, "REG_MULTI_SZ\t61000000620000000000\n");
    EXPECT_EQ(Reg({"query", key, "odd"}).out, "REG_TYPE_ffff0001\t7f\n");

    const ProgramResult exported = Reg({"export", key});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(exported.out.starts_with(std::string(kHeader) +
                                         "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Round]\n"
                                         "@=\"default\"\n"
                                         "\"d\"=dword:80000001\n"
                                         "\"expand\"=hex(2):25,00,54,00,00,00\n"))
        << exported.out;
    for (const char* line :
         {"\"bytes\"=hex:00,ff,10\n", "\"empty\"=hex:\n", "\"plain\"=hex(1):6e,6f,20,7a,65,72,6f\n",
          "\"say \\\"hi\\\" \\\\ there\"=\"C:\\\\a \\\"b\\\" Zürich ♫ 𝄞\"\n",
          "\"short dword\"=hex(4):01,02,03\n", ",\\\n  "}) {
        EXPECT_NE(exported.out.find(line), std::string::npos) << line << exported.out;
    }
    const auto before = ReadBack(Root::LocalMachine, "SOFTWARE\\Round\\Sub", "plain");

    ASSERT_EQ(Reg({"delete", key}).status, 0);
    const ProgramResult imported = Reg({"import", "-"}, exported.out);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Reg({"export", key}).out, exported.out);
    EXPECT_EQ(ReadBack(Root::LocalMachine, "SOFTWARE\\Round\\Sub", "plain"), before);
    EXPECT_EQ(Reg({"query", key + "\\Sub", "two lines"}).out, "REG_SZ\ta\nb\n");

    // The same file saved as UTF-16 imports the same values.
    ASSERT_EQ(Reg({"delete", key}).status, 0);
    ASSERT_EQ(Reg({"import", "-"}, Utf16(RegeditText())).status, 0);
    EXPECT_EQ(Reg({"export", key}).out, fromUtf8);

    ASSERT_EQ(Reg({"set", key, "two\nlines", "REG_SZ", "x"}).status, 0);
    ExpectFailure(Reg({"export", key}), 2, "line break");
}

TEST_F(VelorinReg, AMalformedFileImportsNothingAndNamesItsLine) {
    const std::string good = std::string(kHeader) +
                             "\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\New]\n"
                             "\"a\"=\"b\"\n"
                             "; a comment\n"
                             "\"long\"=hex:01,02,\\\n"
                             "  03\n";
    const std::string file = store_.folder() + "/in.reg";
    WriteFile(file, good + "\"c\"=dword:1\n");
    ExpectFailure(Reg({"import", file}), 2, file + ":8:");
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\New"));

    ExpectFailure(Reg({"import", "-"}, "REGEDIT4\n"), 2, ":1:");
    ExpectFailure(Reg({"import", "-"}, good + "[HKCU\\X]\n"), 2, ":8:");
    ExpectFailure(Reg({"import", "-"}, good + "\"x\"=hex(123456789):00\n"), 2, ":8:");
    ExpectFailure(Reg({"import", store_.folder() + "/missing.reg"}), 2, "missing.reg");
    ExpectFailure(Reg({"import", "-"}, ""), 2, "empty input");
    // Hostile input is judged on its first line or its first overlong line, never read whole.
    ExpectFailure(Reg({"import", "/dev/zero"}), 2, "/dev/zero:1: the first line must be");
    ExpectFailure(Reg({"import", "/dev/urandom"}), 2, "/dev/urandom:1:");
    ExpectFailure(Reg({"import", store_.folder()}), 2, "a folder, not a .reg file");
    ExpectFailure(Reg({"import", "-"}, good + std::string(5 << 20, 'x')), 2, ":8: a line longer");
    ExpectFailure(Reg({"import", "-"}, Utf16(good) + std::string("\x00\xD8\n\x00", 4)), 2,
                  ":8: not valid UTF-16");
    ExpectFailure(Reg({"import", "-"}, good + "[-HKEY_LOCAL_MACHINE]\n"), 2,
                  ":8: HKEY_LOCAL_MACHINE: invalid key name; nothing imported");
    const std::string longKey = "[HKEY_LOCAL_MACHINE\\" + std::string(10000, 'k') + "\\\\x]\n";
    const ProgramResult cut = Reg({"import", "-"}, good + longKey);
    ExpectFailure(cut, 2, ":8: HKEY_LOCAL_MACHINE\\kkk");
    EXPECT_LT(cut.err.size(), 200u);
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\New"));

    // Deleting what is not there is no error, not even twice.
    const std::string deletions =
        "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Gone]\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\New]\n\"absent\"=-\n\"absent\"=-\n";
    ASSERT_EQ(Reg({"import", "-"}, good + deletions).status, 0);
    EXPECT_EQ(Reg({"query", "HKLM\\SOFTWARE\\New", "long"}).out, "REG_BINARY\t010203\n");
    EXPECT_EQ(Reg({"query", "HKLM\\SOFTWARE\\New", "a"}).out, "REG_SZ\tb\n");
}

// An import holds all of its changes at once: past its bounds, or out of memory before them, it
// keeps nothing and says so, instead of growing until the system ends it.
TEST_F(VelorinReg, AnImportPastItsBoundsOrItsMemoryKeepsNothing) {
    const std::string many = std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Many]\n";
    std::string values;
    for (int i = 1; i < 100'000; ++i) {
        values += "\"v" + std::to_string(i) + "\"=hex:00,01\n";
    }
    ASSERT_EQ(Reg({"import", "-"}, many + values).status, 0) << "the key and 99,999 values";
    EXPECT_EQ(ReadBack(Root::LocalMachine, "SOFTWARE\\Many", "v99999"),
              Bytes(std::string("\x00\x01", 2)));
    ExpectFailure(Reg({"import", "-"}, many + values + "\"one more\"=hex:00\n"), 2,
                  "standard input:100002: more than 100000 keys and values in one import; "
                  "nothing imported");
    EXPECT_EQ(ReadBack(Root::LocalMachine, "SOFTWARE\\Many", "one more"), std::nullopt);

    std::string big = std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Big]\n";
    for (int i = 0; i < 9; ++i) {
        big += "\"s" + std::to_string(i) + "\"=\"" + std::string(4'000'000, 'x') + "\"\n";
    }
    ExpectFailure(Reg({"import", "-"}, big), 2,
                  ":11: more than 33554432 bytes of names and data in one import");
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\Big"));
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)  // they reserve far more
    big.resize(big.rfind("\"s8\""));
    ExpectFailure(Reg({"import", "-"}, big, {"prlimit", "--as=45000000"}), 2,
                  "out of memory; nothing imported");
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\Big"));
#endif
}

TEST_F(VelorinReg, AnImportOnABusyStoreKeepsNothingAndSaysSo) {
    ASSERT_EQ(Reg({"query", "HKLM"}).status, 0);
    const std::string file = store_.folder() + "/in.reg";
    WriteFile(file, std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Busy]\n\"a\"=\"1\"\n");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(store_.path().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    // Held until the tool has given up, however long it took to start and wait.
    const ProgramResult import = Reg({"import", file});
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ExpectFailure(import, 2, "busy");
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\Busy"));
}

TEST_F(VelorinReg, WritesThatFailSayWhy) {
    ASSERT_EQ(Reg({"set", "HKLM\\SOFTWARE\\Big", "v", "REG_BINARY", "01"}).status, 0);
    struct stat info {};
    ASSERT_EQ(::stat(store_.path().c_str(), &info), 0);
    std::string big = std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Big]\n\"v\"=hex:00";
    for (int i = 0; i < 60000; ++i) {
        big += ",5a";
    }
    const std::string limit = "--fsize=" + std::to_string(info.st_size + 16384);
    ExpectFailure(Reg({"import", "-"}, big + "\n", {"prlimit", limit}), 2, "file size limit");
    EXPECT_EQ(ReadBack(Root::LocalMachine, "SOFTWARE\\Big", "v"), Bytes("\x01"));

    ASSERT_EQ(Reg({"import", "-"}, big + "\n").status, 0);
    const std::string backup = store_.folder() + "/backup.reg";
    ExpectFailure(
        Reg({"export", "HKLM\\SOFTWARE\\Big"}, {}, {"prlimit", "--fsize=50000", OUTPUT_TO, backup}),
        2, "cannot write the output");
    ExpectFailure(Reg({"query", "HKCR\\AudioCD\\shell"}, {}, {OUTPUT_TO, "/dev/full"}), 2,
                  "cannot write the output: No space left on device");
    ExpectFailure(Reg({"export", "HKLM\\SOFTWARE\\Big"}, {}, {OUTPUT_TO, "/dev/full"}), 2,
                  "cannot write the output: No space left on device");

    ASSERT_EQ(::chmod(store_.folder().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(store_.path().c_str(), 0444), 0);
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_SZ", "x"}, {}, AsUnprivileged()), 2,
                  "the store cannot be written: " + store_.path() + ": read-only");
}

}  // namespace
