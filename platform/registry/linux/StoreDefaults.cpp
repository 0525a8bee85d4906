#include "platform/registry/linux/StoreDefaults.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/debug/DebugOutput.h"
#include "platform/registry/regfile/RegImport.h"

namespace platform::registry {
namespace {

constexpr std::string_view kDefaultDataFolders = "/usr/local/share:/usr/share";
constexpr std::string_view kDropInFolder = "velorin/registry.d";

std::vector<std::string> DataFolders() {
    const char* set = std::getenv("XDG_DATA_DIRS");
    std::string_view list = set && *set ? std::string_view(set) : kDefaultDataFolders;
    std::vector<std::string> folders;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view folder = list.substr(0, colon);
        // Relative entries are invalid by the XDG base directory rules.
        if (folder.starts_with('/')) {
            folders.emplace_back(folder);
        }
        list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
    }
    return folders;
}

void Report(const std::string& file, int line, const std::string& problem) {
    debug::OutputDebugText("Registry defaults - " + file + ":" + std::to_string(line) + ": " +
                           problem + "; file skipped\n");
}

void ImportOne(const std::string& file, const regfile::RegRoots& roots) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        Report(file, 0, "cannot be read");
        return;
    }
    const regfile::RegFileContents contents = regfile::ParseRegFile(in);
    if (contents.badLine != 0) {
        Report(file, contents.badLine, contents.problem);
        return;
    }
    const regfile::ImportResult result = regfile::ApplyChanges(contents.changes, roots);
    if (result.status != Status::Ok) {
        Report(file, result.line,
               result.outOfMemory
                   ? std::string("out of memory")
                   : result.key + ": " +
                         (result.status == Status::StoreUnavailable ? LastProblem()
                                                                    : "not a key name"));
    }
}

std::vector<std::string> DefaultFiles() {
    std::map<std::string, std::string> byName;
    for (const std::string& folder : DataFolders()) {
        std::error_code error;
        const std::filesystem::path dropIns = std::filesystem::path(folder) / kDropInFolder;
        for (const auto& entry : std::filesystem::directory_iterator(dropIns, error)) {
            const std::filesystem::path& path = entry.path();
            if (path.extension() == ".reg" && entry.is_regular_file(error)) {
                byName.try_emplace(path.filename().string(), path.string());
            }
        }
    }
    std::vector<std::string> files;
    for (auto& [name, path] : byName) {
        files.push_back(std::move(path));
    }
    return files;
}

}  // namespace

void ImportDefaults(const std::shared_ptr<Store>& store) {
    const Key localMachine(store, kLocalMachineId, Access::All);
    const Key classesRoot(store, kClassesRootId, Access::All);
    for (const std::string& file : DefaultFiles()) {
        ImportOne(file, {localMachine, classesRoot});
    }
}

}  // namespace platform::registry
