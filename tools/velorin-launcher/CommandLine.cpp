#include "tools/velorin-launcher/CommandLine.h"

#include <cstdio>
#include <string_view>

namespace launcher {
namespace {

constexpr const char* kHelp =
    "usage: velorin-launcher [--help | --version]\n"
    "The front door of Velorin: covers the screen with a black backdrop and shows the launcher\n"
    "screen, from which Velorin is started, its options changed, the audio test run, the mixing\n"
    "tool opened, or the launcher quit. Other arguments are ignored; settings live in the\n"
    "registry store (see velorin-reg). Environment variables: see velorin-launcher(1).\n";

}  // namespace

std::optional<std::string> AnswerCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            return kHelp;
        }
        if (argument == "--version") {
            return "velorin-launcher " VELORIN_VERSION "\n";
        }
    }
    return std::nullopt;
}

int PrintAnswer(const std::string& answer) {
    const bool written = std::fwrite(answer.data(), 1, answer.size(), stdout) == answer.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace launcher
