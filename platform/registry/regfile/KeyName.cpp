#include "platform/registry/regfile/KeyName.h"

#include <algorithm>
#include <cctype>

namespace platform::registry::regfile {
namespace {

using platform::registry::Root;

struct RootSpelling {
    std::string_view name;
    Root root;
};

constexpr RootSpelling kRoots[] = {
    {"HKEY_LOCAL_MACHINE", Root::LocalMachine},
    {"HKLM", Root::LocalMachine},
    {"HKEY_CLASSES_ROOT", Root::ClassesRoot},
    {"HKCR", Root::ClassesRoot},
};

bool SameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

}  // namespace

std::string KeyName::Full() const {
    std::string name = root == Root::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CLASSES_ROOT";
    return path.empty() ? name : name + '\\' + path;
}

std::optional<KeyName> ParseKeyName(std::string_view text) {
    const std::size_t slash = text.find('\\');
    const std::string_view rootName = text.substr(0, slash);
    for (const RootSpelling& spelling : kRoots) {
        if (SameLetters(rootName, spelling.name)) {
            const std::string_view path =
                slash == std::string_view::npos ? std::string_view() : text.substr(slash + 1);
            return KeyName{spelling.root, std::string(path)};
        }
    }
    return std::nullopt;
}

}  // namespace platform::registry::regfile
