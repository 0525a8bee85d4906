#pragma once
// The .reg text format: a header line, then [KEY] sections each followed by its values
// ("Name"="text", "Name"=hex:01,02, "Name"=dword:00000001, @= for the default value). Reading
// also takes [-KEY] and "Name"=- (deletions), hex(N): values of any type N, ';' comments, lines
// continued with a trailing '\', and text in UTF-8 (or plain bytes) or in UTF-16 LE with its
// byte-order mark, as the system's registry editor writes it. Writing gives UTF-8.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/registry/regfile/KeyName.h"
#include "platform/registry/regfile/ValueText.h"

namespace platform::registry::regfile {

inline constexpr std::string_view kRegHeader = "Windows Registry Editor Version 5.00";

// Writes the key and everything below it; NotFound when the key is not there, InvalidArgument
// when a name holds a line break, which the format cannot carry. Every value comes back from the
// text byte for byte, with its type.
Status ExportTree(const KeyName& name, std::ostream& out);

// One value as a .reg line, "Name"=data, without the line break (long hex data continues on
// further lines).
std::string ValueLine(const NamedValue& value);

struct RegChange {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind;
    KeyName key;
    int line = 0;  // where in the text the change was read, counted from 1
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

// Reads the whole text, or stops at the first wrong line. The first line is judged before more
// is read, no line may be longer than kMaxLineBytes, and a text of more than kMaxImportChanges
// changes or kMaxImportBytes bytes of key names, value names and data is wrong at the line that
// goes past, so no input makes it hold more than that. Running out of memory on the way is a wrong
// line too: every failure is a result.
RegFileContents ParseRegFile(std::istream& in);

inline constexpr std::size_t kMaxLineBytes = std::size_t{4} << 20;
// An import holds all of its changes until they are applied in one transaction.
inline constexpr std::size_t kMaxImportChanges = 100'000;
inline constexpr std::size_t kMaxImportBytes = std::size_t{32} << 20;

}  // namespace platform::registry::regfile
