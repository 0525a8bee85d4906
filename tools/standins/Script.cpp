#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/standins/Standin.h"

namespace standin {

namespace {

const char* ScriptPath() {
    const char* path = std::getenv("VELORIN_STANDIN_SCRIPT");
    return path != nullptr && *path != '\0' ? path : nullptr;
}

std::optional<Action> Parse(std::string_view line, std::string_view scriptName) {
    std::size_t programEnd = line.find(' ');
    if (line.substr(0, programEnd) != scriptName || programEnd == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(programEnd + 1);
    std::size_t verbEnd = rest.find(' ');
    Action action{std::string(rest.substr(0, verbEnd)), {}};
    if (verbEnd != std::string_view::npos) {
        action.argument = rest.substr(verbEnd + 1);
    }
    return action;
}

// Replaces the script in one step, so a reader never sees half a file.
void Rewrite(const std::string& path, const std::string& text) {
    std::string temporary = path + ".new" + std::to_string(::getpid());
    std::ofstream(temporary) << text;
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
}

}  // namespace

bool HasScript() {
    return ScriptPath() != nullptr;
}

std::optional<Action> TakeScriptLine(std::string_view scriptName) {
    const char* path = ScriptPath();
    if (path == nullptr) {
        return std::nullopt;
    }
    std::ifstream in(path);
    std::string line;
    std::string kept;
    std::optional<Action> taken;
    while (std::getline(in, line)) {
        if (!taken && (taken = Parse(line, scriptName))) {
            continue;
        }
        kept += line + "\n";
    }
    if (taken) {
        in.close();  // Windows replaces no file that is open
        Rewrite(path, kept);
    }
    return taken;
}

}  // namespace standin
