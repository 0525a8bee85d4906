#include "tools/velorin-reg/Commands.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/velorin-reg/RegFile.h"

namespace regtool {
namespace {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Status;
using Args = std::span<const std::string_view>;

constexpr std::string_view kUsage =
    "usage: velorin-reg query KEY [NAME] | set KEY NAME TYPE DATA | delete KEY [NAME] | "
    "export KEY | import FILE|-";

int Fail(std::ostream& err, int status, std::string_view message) {
    err << "velorin-reg: " << message << '\n';
    return status;
}

// The exit status and message for a layer result about what.
int Report(std::ostream& err, Status status, const std::string& what) {
    switch (status) {
        case Status::Ok:
            return kDone;
        case Status::NotFound:
            return Fail(err, kNotThere, what + " not found");
        case Status::InvalidArgument:
            return Fail(err, kFailed, "invalid key name: " + what);
        default:
            return Fail(err, kFailed,
                        "the store cannot be written: " + platform::registry::StorePath());
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
        return Report(err, status, ValueLabel(keyName, name));
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
        return Report(err, status, keyName.Full());
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
        return Report(io.err, status, keyName.Full());
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
        return Fail(
            io.err, kFailed,
            "unknown type " + std::string(rest[1]) + "; use REG_SZ, REG_BINARY or REG_DWORD");
    }
    const auto data = ParseData(*type, rest[2]);
    if (!data) {
        return Fail(io.err, kFailed,
                    "data \"" + std::string(rest[2]) + "\" is not a valid " + std::string(rest[1]));
    }
    Key key;
    Status status = CreateKey(keyName.root, keyName.path, key);
    if (status == Status::Ok) {
        status = SetValue(key, rest[0], *type, *data);
    }
    return Report(io.err, status, keyName.Full());
}

int Delete(const KeyName& keyName, Args rest, Streams io) {
    if (rest.size() > 1) {
        return Fail(io.err, kFailed, kUsage);
    }
    if (rest.empty()) {
        if (keyName.path.empty()) {
            return Fail(io.err, kFailed, "a root key cannot be deleted");
        }
        return Report(io.err, DeleteKey(keyName.root, keyName.path), keyName.Full());
    }
    Key key;
    Status status = OpenKey(keyName.root, keyName.path, Access::Write, key);
    if (status != Status::Ok) {
        return Report(io.err, status, keyName.Full());
    }
    status = DeleteValue(key, rest[0]);
    return Report(io.err, status, ValueLabel(keyName, rest[0]));
}

int Export(const KeyName& keyName, Args rest, Streams io) {
    if (!rest.empty()) {
        return Fail(io.err, kFailed, kUsage);
    }
    std::ostringstream text;  // nothing is printed unless the whole tree could be written
    const Status status = ExportTree(keyName, text);
    if (status == Status::InvalidArgument) {
        return Fail(
            io.err, kFailed,
            keyName.Full() + " holds a name with a line break, which .reg text cannot carry");
    }
    io.out << text.str();
    return Report(io.err, status, keyName.Full());
}

Status IgnoringAbsence(Status status) {
    return status == Status::NotFound ? Status::Ok : status;
}

Status Apply(const RegChange& change) {
    Key key;
    const KeyName& name = change.key;
    switch (change.kind) {
        case RegChange::Kind::CreateKey:
            return CreateKey(name.root, name.path, key);
        case RegChange::Kind::DeleteKey:
            return IgnoringAbsence(DeleteKey(name.root, name.path));
        case RegChange::Kind::SetValue: {
            const Status status = CreateKey(name.root, name.path, key);
            return status == Status::Ok ? SetValue(key, change.name, change.type, change.data)
                                        : status;
        }
        case RegChange::Kind::DeleteValue:
            break;
    }
    const Status status = OpenKey(name.root, name.path, Access::Write, key);
    return IgnoringAbsence(status == Status::Ok ? DeleteValue(key, change.name) : status);
}

// All of the file's changes, or none: a malformed line or a failed write keeps nothing.
int Import(std::string_view source, Streams io) {
    std::ifstream file;
    if (source != "-") {
        file.open(std::string(source), std::ios::binary);
        if (!file) {
            return Fail(io.err, kFailed, std::string(source) + ": cannot be read");
        }
    }
    const RegFileContents contents = ParseRegFile(source == "-" ? io.in : file);
    if (contents.badLine != 0) {
        return Fail(io.err, kFailed,
                    std::string(source == "-" ? "standard input" : source) + ":" +
                        std::to_string(contents.badLine) + ": " + contents.problem);
    }
    if (const std::string problem = platform::registry::StoreProblem(); !problem.empty()) {
        return Fail(io.err, kFailed, "cannot open the store: " + problem);
    }
    platform::registry::WriteBatch batch;
    for (const RegChange& change : contents.changes) {
        if (const Status status = Apply(change); status != Status::Ok) {
            return Report(io.err, status, change.key.Full());
        }
    }
    return Report(io.err, batch.Commit(), std::string(source));
}

}  // namespace

int RunCommand(Args args, Streams io) {
    if (args.empty()) {
        return Fail(io.err, kFailed, kUsage);
    }
    if (args[0] == "--help" || args[0] == "-h") {
        io.out << kUsage << '\n';
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
                        "unknown root key in " + std::string(args[1]) +
                            "; use HKEY_LOCAL_MACHINE (HKLM) or HKEY_CLASSES_ROOT (HKCR)");
        }
        if (const std::string problem = platform::registry::StoreProblem(); !problem.empty()) {
            return Fail(io.err, kFailed, "cannot open the store: " + problem);
        }
        return command(*keyName, args.subspan(2), io);
    }
    return Fail(io.err, kFailed,
                "unknown command " + std::string(args[0]) + "; " + std::string(kUsage));
}

}  // namespace regtool
