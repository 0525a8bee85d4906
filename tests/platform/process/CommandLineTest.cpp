#include <gtest/gtest.h>

#include "platform/process/CommandLine.h"

namespace process = platform::process;
using Strings = std::vector<std::string>;

TEST(CommandLine, ArgumentsSplitByTheWindowsRules) {
    EXPECT_EQ(process::SplitArguments(R"( a  b	c )"), (Strings{"a", "b", "c"}));
    EXPECT_EQ(process::SplitArguments(R"("a b" c)"), (Strings{"a b", "c"}));
    EXPECT_EQ(process::SplitArguments(R"(a\\b C:\Dances\)"), (Strings{R"(a\\b)", R"(C:\Dances\)"}));
    EXPECT_EQ(process::SplitArguments(R"(a\"b \\"c d")"), (Strings{R"(a"b)", R"(\c d)"}));
    EXPECT_EQ(process::SplitArguments(R"("say ""hi""" "")"), (Strings{R"(say "hi")", ""}));
    EXPECT_EQ(process::SplitArguments("one\ntwo"), (Strings{"one\ntwo"}));
}

// What the launcher writes reads back the same; the fuzzer checks this for any vector.
TEST(CommandLine, JoinedProgramAndQuotedArgumentsComeBackUnchanged) {
    const Strings awkward = {"plain",
                             R"(C:\Dances\Salsa.one.dnc)",
                             "with blank",
                             "",
                             "tab\there",
                             "new\nline",
                             R"(quote " inside)",
                             R"(ends in backslash\)",
                             R"(backslash\" before quote)",
                             "x; rm -rf / $(reboot) `id` 'single'"};
    for (const std::string& argument : awkward) {
        EXPECT_EQ(process::SplitArguments(process::QuoteArgument(argument)), Strings{argument})
            << argument;
    }
    EXPECT_EQ(process::QuoteArgument(R"(C:\Dances\Salsa.one.dnc)"), R"(C:\Dances\Salsa.one.dnc)");
    for (const std::string program : {R"(/opt/My Tools\Blendora Studio VL.exe)", "Velorin"}) {
        const std::string line = process::JoinCommandLine(program, awkward);
        const auto candidates = process::ProgramCandidates(line);
        ASSERT_FALSE(candidates.empty());
        EXPECT_EQ(candidates[0].program, program);
        EXPECT_EQ(process::SplitArguments(candidates[0].arguments), awkward);
    }
}

TEST(CommandLine, EveryPrefixBeforeABlankIsAProgramCandidateShortestFirst) {
    auto candidates = process::ProgramCandidates(R"(/opt/Mix Tool\Blendora Studio VL.exe a  b)");
    Strings programs;
    for (const auto& candidate : candidates) {
        programs.push_back(candidate.program);
    }
    EXPECT_EQ(programs,
              (Strings{"/opt/Mix", R"(/opt/Mix Tool\Blendora)", R"(/opt/Mix Tool\Blendora Studio)",
                       R"(/opt/Mix Tool\Blendora Studio VL.exe)",
                       R"(/opt/Mix Tool\Blendora Studio VL.exe a)",
                       R"(/opt/Mix Tool\Blendora Studio VL.exe a  b)"}));
    EXPECT_EQ(candidates[3].arguments, " a  b");
}

TEST(CommandLine, AQuotedProgramOrAQuoteEndsTheCandidates) {
    auto quoted = process::ProgramCandidates(R"("My Tool" x)");
    ASSERT_EQ(quoted.size(), 1u);
    EXPECT_EQ(quoted[0].program, "My Tool");
    EXPECT_EQ(quoted[0].arguments, " x");
    EXPECT_EQ(process::ProgramCandidates(R"(exportToWeb "a b")").size(), 1u);
    EXPECT_TRUE(process::ProgramCandidates("   ").empty());
}

TEST(CommandLine, ProgramNamesLoseExeAndUseSlashes) {
    EXPECT_EQ(process::ProgramFileName("exportToWeb.exe"), "exportToWeb");
    EXPECT_EQ(process::ProgramFileName("TsAVIMaker.EXE"), "TsAVIMaker");
    EXPECT_EQ(process::ProgramFileName(R"(/opt/b\Blendora Studio VL.exe)"),
              "/opt/b/Blendora Studio VL");
    EXPECT_EQ(process::ProgramFileName("Velorin"), "Velorin");
    EXPECT_EQ(process::ProgramFileName(".exe"), ".exe");
}
