#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tools/standins/Standin.h"

namespace standin {

namespace {

std::string Escaped(std::string_view field) {
    std::string out;
    for (char c : field) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

void LogStart(std::string_view programName, const std::vector<std::string>& arguments) {
    const char* path = std::getenv("VELORIN_STANDIN_LOG");
    if (path == nullptr || *path == '\0') {
        return;
    }
    std::error_code error;
    std::string line =
        Escaped(programName) + "\t" + Escaped(std::filesystem::current_path(error).string());
    for (const std::string& argument : arguments) {
        line += "\t" + Escaped(argument);
    }
    std::ofstream(path, std::ios::app) << line << '\n';
}

void WriteSmallFile(const std::string& path, std::string_view text) {
    std::ofstream(path) << text;
}

bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace standin
