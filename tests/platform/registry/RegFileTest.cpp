// The .reg text format on its own: what the reader makes of each kind of line, where it stops,
// and exports that read back as the values they came from.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "platform/registry/fake/ScopedStore.h"
#include "platform/registry/regfile/RegFile.h"
#include "tests/platform/registry/RegistryTestSupport.h"

namespace platform::registry::regfile {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00\n";

// A change as one line of text: where it was read, what it does, and the value's type and bytes.
std::string Summary(const RegChange& change) {
    static constexpr const char* kKinds[] = {"create", "delete", "set", "unset"};
    std::string text = std::to_string(change.line) + " " + kKinds[static_cast<int>(change.kind)] +
                       " " + change.key.Full();
    if (change.kind == RegChange::Kind::SetValue || change.kind == RegChange::Kind::DeleteValue) {
        text += " [" + change.name + "]";
    }
    if (change.kind == RegChange::Kind::SetValue) {
        text += " " + TypeName(change.type) + " " + HexDigits(change.data);
    }
    return text;
}

RegFileContents Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseRegFile(in);
}

std::vector<std::string> Summaries(const RegFileContents& contents) {
    std::vector<std::string> lines;
    for (const RegChange& change : contents.changes) {
        lines.push_back(Summary(change));
    }
    return lines;
}

TEST(RegFileReader, ReadsEveryKindOfLineInUtf8AndInUtf16) {
    const std::string text = std::string(kHeader) +
                             "\n"
                             "; a comment\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\n"
                             "\"a\"=\"say \\\"hi\\\" \\\\ \xC3\xA9\"\n"
                             "@=\"\"\n"
                             "\"h\"=hex:01,02,\\\n"
                             "  03\n"
                             "\"d\"=dword:0000002a\n"
                             "\"n\"=hex(7):61,00,00,00\n"
                             "\"x\"=-\n"
                             "[-HKCR\\Gone]\n";
    const std::vector<std::string> expected = {
        "4 create HKEY_LOCAL_MACHINE\\SOFTWARE\\T",
        "5 set HKEY_LOCAL_MACHINE\\SOFTWARE\\T [a] REG_SZ 7361792022686922205c20c3a900",
        "6 set HKEY_LOCAL_MACHINE\\SOFTWARE\\T [] REG_SZ 00",
        "7 set HKEY_LOCAL_MACHINE\\SOFTWARE\\T [h] REG_BINARY 010203",
        "9 set HKEY_LOCAL_MACHINE\\SOFTWARE\\T [d] REG_DWORD 2a000000",
        "10 set HKEY_LOCAL_MACHINE\\SOFTWARE\\T [n] REG_MULTI_SZ 61000000",
        "11 unset HKEY_LOCAL_MACHINE\\SOFTWARE\\T [x]",
        "12 delete HKEY_CLASSES_ROOT\\Gone",
    };
    for (const std::string& encoded : {text, test::Utf16(text)}) {
        const RegFileContents contents = Parse(encoded);
        EXPECT_EQ(contents.badLine, 0) << contents.problem;
        EXPECT_EQ(Summaries(contents), expected);
    }
}

TEST(RegFileReader, StopsAtTheFirstWrongLineAndSaysWhatIsWrong) {
    const std::string key = std::string(kHeader) + "[HKLM\\SOFTWARE]\n";
    const struct {
        std::string text;
        int line;
        std::string problem;
    } kWrong[] = {
        {"", 1, "empty input"},
        {"Windows Registry Editor Version 4.00\n", 1, "the first line must be"},
        {std::string(kHeader) + "\"a\"=\"b\"\n", 2, "a value outside a [KEY] section"},
        {std::string(kHeader) + "[HKLM\\SOFTWARE\n", 2, "a section line must end with ]"},
        {std::string(kHeader) + "[HKEY_USERS\\S]\n", 2, "unknown root key"},
        {key + "\n\"a\"=\"b\n", 4, "a text must be one quoted string"},
        {key + "\"a\"=hex:1,2\n", 3, "hex data must be pairs of hex digits"},
        {key + "\"d\"=dword:12\n", 3, "a dword needs eight hex digits"},
        {key + "\"n\"=hex(123456789):00\n", 3, "hex(N): needs a type number"},
        {key + "\"a\"=12\n", 3, "unknown data"},
        {key + "a=\"b\"\n", 3, "a value line must start with"},
        {test::Utf16(key) + "x", 3, "not valid UTF-16 text"},
    };
    for (const auto& wrong : kWrong) {
        const RegFileContents contents = Parse(wrong.text);
        EXPECT_EQ(contents.badLine, wrong.line) << wrong.problem;
        EXPECT_TRUE(contents.problem.starts_with(wrong.problem)) << contents.problem;
    }
}

TEST(RegFileWriter, WritesValueLinesAndExportsThatReadBackByteForByte) {
    EXPECT_EQ(ValueLine({"d", ValueType::Dword, DwordBytes(42)}), "\"d\"=dword:0000002a");
    EXPECT_EQ(ValueLine({"", ValueType::String, test::Bytes(std::string("a\"b\\\0", 5))}),
              "@=\"a\\\"b\\\\\"");

    ScopedStore store;
    const std::string path = "SOFTWARE\\Round";
    const struct {
        std::string key, name;
        ValueType type;
        std::string data;
    } kValues[] = {
        {path, "text", ValueType::String, std::string("say \"hi\" \\\xC3\xA9\0", 13)},
        {path, "", ValueType::String, std::string("default\0", 8)},
        {path, "unterminated", ValueType::String, "no zero"},
        {path, "long", ValueType::Binary, std::string(100, '\x5a')},
        {path, "number", ValueType::Dword, std::string("\x2a\x00\x00\x01", 4)},
        {path, "odd \"name\" \\", static_cast<ValueType>(11), std::string("\1\2\3\4\5\6\7\10", 8)},
        {path + "\\Sub", "empty", ValueType::Binary, ""},
    };
    std::vector<std::string> expected = {
        "0 create HKEY_LOCAL_MACHINE\\" + path,
        "0 create HKEY_LOCAL_MACHINE\\" + path + "\\Sub",
    };
    for (const auto& value : kValues) {
        ASSERT_TRUE(test::Write(Root::LocalMachine, value.key, value.name, value.type, value.data));
        expected.push_back(Summary({.kind = RegChange::Kind::SetValue,
                                    .key = {Root::LocalMachine, value.key},
                                    .name = value.name,
                                    .type = value.type,
                                    .data = test::Bytes(value.data)}));
    }
    std::ostringstream out;
    ASSERT_EQ(ExportTree({Root::LocalMachine, path}, out), Status::Ok);
    RegFileContents contents = Parse(out.str());
    EXPECT_EQ(contents.badLine, 0) << contents.problem;
    for (RegChange& change : contents.changes) {
        change.line = 0;
    }
    std::vector<std::string> exported = Summaries(contents);
    std::sort(exported.begin(), exported.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(exported, expected) << out.str();
}

}  // namespace
}  // namespace platform::registry::regfile
