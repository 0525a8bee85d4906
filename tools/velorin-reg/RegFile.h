#pragma once
// The .reg text format: a header line, then [KEY] sections each followed by its values
// ("Name"="text", "Name"=hex:01,02, "Name"=dword:00000001, @= for the default value). Reading
// also takes [-KEY] and "Name"=- (deletions), hex(N): forms, ';' comments and lines continued
// with a trailing '\'.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "tools/velorin-reg/KeyName.h"
#include "tools/velorin-reg/ValueText.h"

namespace regtool {

inline constexpr std::string_view kRegHeader = "Windows Registry Editor Version 5.00";

// Writes the key and everything below it; NotFound when the key is not there, InvalidArgument
// when a name holds a line break, which the format cannot carry.
platform::registry::Status ExportTree(const KeyName& name, std::ostream& out);

struct RegChange {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind;
    KeyName key;
    std::string name = {};
    ValueType type = ValueType::Binary;
    std::vector<std::byte> data = {};
};

struct RegFileContents {
    std::vector<RegChange> changes;
    // When the text is malformed: the first wrong line (counted from 1) and what is wrong with it.
    int badLine = 0;
    std::string problem;
};

RegFileContents ParseRegFile(std::istream& in);

}  // namespace regtool
