// velorin-reg end to end: the built program on a temporary store.
#include <gtest/gtest.h>

#include "platform/registry/fake/ScopedStore.h"
#include "settings/Settings.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/ChildProcess.h"

namespace {

using platform::registry::Root;
using platform::registry::ScopedStore;
using platform::registry::test::KeyExists;
using testing_support::ProgramResult;

ProgramResult Reg(std::vector<std::string> args, std::string_view input = {}) {
    args.insert(args.begin(), VELORIN_REG);
    return testing_support::RunProgram(args, input);
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
    ExpectFailure(Reg({"frobnicate", "HKLM"}), 2, "frobnicate");
    ExpectFailure(Reg({"query", "HKCU\\Software"}), 2, "root");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_BINARY", "0g"}), 2, "0g");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_DWORD", "4294967296"}), 2, "REG_DWORD");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_MULTI_SZ", "x"}), 2, "REG_MULTI_SZ");
    ExpectFailure(Reg({"set", "HKLM\\SOFTWARE", "v", "REG_SZ"}), 2, "usage");
    ExpectFailure(Reg({"delete", "HKLM"}), 2, "root");
}

TEST_F(VelorinReg, AStoreFileThatIsNotAStoreIsNamedAndLeftAlone) {
    platform::registry::test::WriteFile(store_.path(), "not a store");
    ExpectFailure(Reg({"query", "HKLM\\SOFTWARE"}), 2, store_.path());
    EXPECT_EQ(platform::registry::test::ReadFile(store_.path()), "not a store");
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

TEST_F(VelorinReg, ExportThenImportRestoresTheTree) {
    const std::string key = "HKLM\\SOFTWARE\\Round";
    ASSERT_EQ(Reg({"set", key, "", "REG_SZ", "default"}).status, 0);
    ASSERT_EQ(Reg({"set", key, "say \"hi\" \\ there", "REG_SZ", "C:\\a \"b\""}).status, 0);
    ASSERT_EQ(Reg({"set", key + "\\Sub", "bytes", "REG_BINARY", "00ff10"}).status, 0);
    ASSERT_EQ(Reg({"set", key + "\\Sub", "none", "REG_BINARY", ""}).status, 0);
    ASSERT_EQ(Reg({"set", key + "\\Sub", "d", "REG_DWORD", "0x80000001"}).status, 0);
    ASSERT_EQ(Reg({"set", key + "\\Sub\\Empty", "two lines", "REG_SZ", "a\nb"}).status, 0);

    const ProgramResult exported = Reg({"export", key});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(
        exported.out.starts_with("Windows Registry Editor Version 5.00\n\n"
                                 "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Round]\n"
                                 "@=\"default\"\n"
                                 "\"say \\\"hi\\\" \\\\ there\"=\"C:\\\\a \\\"b\\\"\"\n"))
        << exported.out;
    EXPECT_NE(exported.out.find("\"bytes\"=hex:00,ff,10\n\"d\"=dword:80000001\n\"none\"=hex:\n"),
              std::string::npos)
        << exported.out;

    ASSERT_EQ(Reg({"delete", key}).status, 0);
    const ProgramResult imported = Reg({"import", "-"}, exported.out);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Reg({"export", key}).out, exported.out);
    EXPECT_EQ(Reg({"query", key + "\\Sub\\Empty", "two lines"}).out, "REG_SZ\ta\nb\n");

    ASSERT_EQ(Reg({"set", key, "two\nlines", "REG_SZ", "x"}).status, 0);
    ExpectFailure(Reg({"export", key}), 2, "line break");
}

TEST_F(VelorinReg, AMalformedFileImportsNothingAndNamesItsLine) {
    const std::string good =
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\New]\n"
        "\"a\"=\"b\"\n"
        "; a comment\n"
        "\"long\"=hex:01,02,\\\n"
        "  03\n";
    const std::string file = store_.folder() + "/in.reg";
    platform::registry::test::WriteFile(file, good + "\"c\"=dword:1\n");
    ExpectFailure(Reg({"import", file}), 2, file + ":8:");
    EXPECT_FALSE(KeyExists(Root::LocalMachine, "SOFTWARE\\New"));

    ExpectFailure(Reg({"import", "-"}, "REGEDIT4\n"), 2, ":1:");
    ExpectFailure(Reg({"import", "-"}, good + "[HKCU\\X]\n"), 2, ":8:");
    ExpectFailure(Reg({"import", store_.folder() + "/missing.reg"}), 2, "missing.reg");

    ASSERT_EQ(Reg({"import", "-"}, good + "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Gone]\n").status, 0);
    EXPECT_EQ(Reg({"query", "HKLM\\SOFTWARE\\New", "long"}).out, "REG_BINARY\t010203\n");
    EXPECT_EQ(Reg({"query", "HKLM\\SOFTWARE\\New", "a"}).out, "REG_SZ\tb\n");
}

}  // namespace
