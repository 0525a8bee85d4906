#include "tools/velorin-reg/Commands.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#include <sstream>

#include "platform/registry/regfile/RegImport.h"

namespace regtool {
namespace {

using namespace platform::registry::regfile;
using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Root;
using platform::registry::Status;
using Args = std::span<const std::string_view>;

// Names in messages are cut to about this many bytes: a message stays one readable line.
constexpr std::size_t kLongestName = 100;
constexpr std::size_t kNameTail = 30;

constexpr std::string_view kUsage =
    "usage: velorin-reg query KEY [NAME] | set KEY NAME TYPE DATA | delete KEY [NAME] | "
    "export KEY | import FILE|-";

std::string HelpText() {
    return std::string(kUsage) + "\nimport takes at most " + std::to_string(kMaxImportChanges) +
           " keys and values and " + std::to_string(kMaxImportBytes) +
           " bytes of names and data at a time, all or nothing\n";
}

int Fail(std::ostream& err, int status, std::string_view message) {
    err << "velorin-reg: " << message << '\n';
    return status;
}

// A name as messages show it: a long one keeps its start and end around "...".
std::string Shortened(std::string_view name) {
    if (name.size() <= kLongestName) {
        return std::string(name);
    }
    const auto continuation = [&](std::size_t i) { return (name[i] & 0xC0) == 0x80; };
    std::size_t head = kLongestName - kNameTail - 3;
    std::size_t tail = name.size() - kNameTail;
    while (head > 0 && continuation(head)) {
        --head;
    }
    while (tail < name.size() && continuation(tail)) {
        ++tail;
    }
    return std::string(name.substr(0, head)) + "..." + std::string(name.substr(tail));
}

// What a command does with the store, for the message when it fails.
enum class Use { Read, Write };

// The exit status and message for a layer result about what.
int Report(std::ostream& err, Status status, std::string_view what, Use use) {
    switch (status) {
        case Status::Ok:
            return kDone;
        case Status::NotFound:
            return Fail(err, kNotThere, Shortened(what) + " not found");
        case Status::InvalidArgument:
            return Fail(err, kFailed, "invalid key name: " + Shortened(what));
        default:
            return Fail(err, kFailed,
                        std::string(use == Use::Read ? "the store cannot be read: "
                                                     : "the store cannot be written: ") +
                            platform::registry::LastProblem());
    }
}

std::string ValueLabel(const KeyName& key, std::string_view name) {
    return "value \"" + std::string(name) + "\" of " + key.Full();
}

int QueryValueLine(const Key& key, const KeyName& keyName, std::string_view name, std::ostream& out,
                   std::ostream& err) {
    platform::registry::ValueInfo info;
    Status status = QueryValue(key, name, {}, info);
    std::vector<std::byte> data(info.size);
    if (status == Status::MoreData || status == Status::Ok) {
        status = QueryValue(key, name, data, info);
    }
    if (status != Status::Ok) {
        return Report(err, status, ValueLabel(keyName, name), Use::Read);
    }
    out << TypeName(info.type) << '\t' << FormatData(info.type, data) << '\n';
    return kDone;
}

int ListKey(const Key& key, const KeyName& keyName, std::ostream& out, std::ostream& err) {
    std::vector<platform::registry::NamedValue> values;
    std::vector<std::string> subKeys;
    Status status = ListValues(key, values);
    if (status == Status::Ok) {
        status = ListSubKeys(key, subKeys);
    }
    if (status != Status::Ok) {
        return Report(err, status, keyName.Full(), Use::Read);
    }
    for (const auto& value : values) {
        out << value.name << '\t' << TypeName(value.type) << '\t'
            << FormatData(value.type, value.data) << '\n';
    }
    for (const std::string& subKey : subKeys) {
        out << keyName.Full() << '\\' << subKey << '\n';
    }
    return kDone;
}

int Query(const KeyName& keyName, Args rest, Streams io) {
    if (rest.size() > 1) {
        return Fail(io.err, kFailed, kUsage);
    }
    Key key;
    const Status status = OpenKey(keyName.root, keyName.path, Access::Read, key);
    if (status != Status::Ok) {
        return Report(io.err, status, keyName.Full(), Use::Read);
    }
    return rest.empty() ? ListKey(key, keyName, io.out, io.err)
                        : QueryValueLine(key, keyName, rest[0], io.out, io.err);
}

int Set(const KeyName& keyName, Args rest, Streams io) {
    if (rest.size() != 3) {
        return Fail(io.err, kFailed, kUsage);
    }
    const auto type = ParseTypeName(rest[1]);
    if (!type) {
        return Fail(io.err, kFailed,
                    "unknown type " + Shortened(rest[1]) + "; use REG_SZ, REG_BINARY or REG_DWORD");
    }
    const auto data = ParseData(*type, rest[2]);
    if (!data) {
        return Fail(io.err, kFailed,
                    "data \"" + Shortened(rest[2]) + "\" is not a valid " + std::string(rest[1]));
    }
    Key key;
    Status status = CreateKey(keyName.root, keyName.path, key);
    if (status == Status::Ok) {
        status = SetValue(key, rest[0], *type, *data);
    }
    return Report(io.err, status, keyName.Full(), Use::Write);
}

int Delete(const KeyName& keyName, Args rest, Streams io) {
    if (rest.size() > 1) {
        return Fail(io.err, kFailed, kUsage);
    }
    if (rest.empty()) {
        if (keyName.path.empty()) {
            return Fail(io.err, kFailed, "a root key cannot be deleted");
        }
        return Report(io.err, DeleteKey(keyName.root, keyName.path), keyName.Full(), Use::Write);
    }
    Key key;
    Status status = OpenKey(keyName.root, keyName.path, Access::Write, key);
    if (status != Status::Ok) {
        return Report(io.err, status, keyName.Full(), Use::Write);
    }
    status = DeleteValue(key, rest[0]);
    return Report(io.err, status, ValueLabel(keyName, rest[0]), Use::Write);
}

int Export(const KeyName& keyName, Args rest, Streams io) {
    if (!rest.empty()) {
        return Fail(io.err, kFailed, kUsage);
    }
    std::ostringstream text;  // nothing is printed unless the whole tree could be written
    const Status status = ExportTree(keyName, text);
    if (status == Status::InvalidArgument) {
        return Fail(io.err, kFailed,
                    Shortened(keyName.Full()) +
                        " holds a name with a line break, which .reg text cannot carry");
    }
    if (status == Status::Ok) {
        io.out << text.str();
    }
    return Report(io.err, status, keyName.Full(), Use::Read);
}

int Unreadable(std::ostream& err, const std::string& label, std::string_view why) {
    return Fail(err, kFailed, label + ": " + std::string(why) + "; nothing imported");
}

// All of the text's changes in one transaction, or none: a malformed line, a busy store or a
// failed write keeps nothing, and the exit status says which happened.
int ApplyAll(const RegFileContents& contents, const std::string& label, Streams io) {
    if (const std::string problem = platform::registry::StoreProblem(); !problem.empty()) {
        return Fail(io.err, kFailed, "cannot open the store: " + problem + "; nothing imported");
    }
    Key localMachine;
    Key classesRoot;
    if (OpenKey(Root::LocalMachine, "", Access::All, localMachine) != Status::Ok ||
        OpenKey(Root::ClassesRoot, "", Access::All, classesRoot) != Status::Ok) {
        return Fail(io.err, kFailed,
                    "the store cannot be read: " + platform::registry::LastProblem());
    }
    const ImportResult result = ApplyChanges(contents.changes, {localMachine, classesRoot});
    if (result.status == Status::Ok) {
        return kDone;
    }
    const std::string cause =
        result.outOfMemory ? "out of memory"
        : result.status == Status::StoreUnavailable
            ? "the store cannot be written: " + platform::registry::LastProblem()
            : "invalid key name";
    const std::string where =
        result.line == 0 ? label
                         : label + ":" + std::to_string(result.line) + ": " + Shortened(result.key);
    return Fail(io.err, kFailed, where + ": " + cause + "; nothing imported");
}

int ReadAndApply(std::string_view source, const std::string& label, Streams io) {
    std::ifstream file;
    if (source != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(std::string(source), error)) {
            return Unreadable(io.err, label, "a folder, not a .reg file");
        }
        file.open(std::string(source), std::ios::binary);
        if (!file) {
            return Unreadable(io.err, label, "cannot be read");
        }
    }
    const RegFileContents contents = ParseRegFile(source == "-" ? io.in : file);
    if (contents.badLine != 0) {
        return Fail(io.err, kFailed,
                    label + ":" + std::to_string(contents.badLine) + ": " + contents.problem +
                        "; nothing imported");
    }
    return ApplyAll(contents, label, io);
}

// Whatever runs out of memory on the way, the store is as it was and the answer says so.
int Import(std::string_view source, Streams io) {
    const std::string label = source == "-" ? "standard input" : std::string(source);
    try {
        return ReadAndApply(source, label, io);
    } catch (const std::bad_alloc&) {
        return Unreadable(io.err, label, "out of memory");
    }
}

}  // namespace

int RunCommand(Args args, Streams io) {
    if (args.empty()) {
        return Fail(io.err, kFailed, kUsage);
    }
    if (args[0] == "--help" || args[0] == "-h") {
        io.out << HelpText();
        return kDone;
    }
    using Command = int (*)(const KeyName&, Args, Streams);
    constexpr std::pair<std::string_view, Command> kCommands[] = {
        {"query", Query}, {"set", Set}, {"delete", Delete}, {"export", Export}};
    if (args[0] == "import") {
        return args.size() == 2 ? Import(args[1], io) : Fail(io.err, kFailed, kUsage);
    }
    for (const auto& [word, command] : kCommands) {
        if (args[0] != word) {
            continue;
        }
        if (args.size() < 2) {
            return Fail(io.err, kFailed, kUsage);
        }
        const auto keyName = ParseKeyName(args[1]);
        if (!keyName) {
            return Fail(io.err, kFailed,
                        "unknown root key in " + Shortened(args[1]) +
                            "; use HKEY_LOCAL_MACHINE (HKLM) or HKEY_CLASSES_ROOT (HKCR)");
        }
        if (const std::string problem = platform::registry::StoreProblem(); !problem.empty()) {
            return Fail(io.err, kFailed, "cannot open the store: " + problem);
        }
        return command(*keyName, args.subspan(2), io);
    }
    return Fail(io.err, kFailed,
                "unknown command " + Shortened(args[0]) + "; " + std::string(kUsage));
}

}  // namespace regtool
