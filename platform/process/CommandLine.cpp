#include "platform/process/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace platform::process {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Appends the backslashes that start at text[i] and returns where they end; before a quote they
// escape it, elsewhere they are plain characters.
std::size_t TakeBackslashes(std::string_view text, std::size_t i, std::string& out) {
    std::size_t end = text.find_first_not_of('\\', i);
    if (end == std::string_view::npos) {
        end = text.size();
    }
    std::size_t count = end - i;
    if (end < text.size() && text[end] == '"') {
        out.append(count / 2, '\\');
        if (count % 2 == 1) {
            out += '"';
            return end + 1;
        }
        return end;
    }
    out.append(count, '\\');
    return end;
}

// Reads one argument starting at a non-blank character; returns where it ends.
std::size_t TakeArgument(std::string_view text, std::size_t i, std::string& out) {
    bool quoted = false;
    while (i < text.size() && (quoted || !IsBlank(text[i]))) {
        char c = text[i];
        if (c == '\\') {
            i = TakeBackslashes(text, i, out);
        } else if (c == '"' && quoted && i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            i += 2;
        } else if (c == '"') {
            quoted = !quoted;
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return i;
}

}  // namespace

std::vector<ProgramCandidate> ProgramCandidates(std::string_view commandLine) {
    std::size_t start = commandLine.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    std::string_view line = commandLine.substr(start);
    if (line.front() == '"') {
        std::size_t close = line.find('"', 1);
        if (close == std::string_view::npos) {
            return {{std::string(line.substr(1)), {}}};
        }
        return {{std::string(line.substr(1, close - 1)), line.substr(close + 1)}};
    }
    std::vector<ProgramCandidate> candidates;
    for (std::size_t end = 1; end <= line.size(); ++end) {
        bool atBreak = end == line.size() || IsBlank(line[end]);
        if (!atBreak || IsBlank(line[end - 1])) {
            continue;
        }
        std::string_view program = line.substr(0, end);
        if (program.find('"') != std::string_view::npos) {
            break;
        }
        candidates.push_back({std::string(program), line.substr(end)});
    }
    return candidates;
}

std::vector<std::string> SplitArguments(std::string_view arguments) {
    std::vector<std::string> result;
    std::size_t i = 0;
    while (true) {
        while (i < arguments.size() && IsBlank(arguments[i])) {
            ++i;
        }
        if (i == arguments.size()) {
            return result;
        }
        std::string argument;
        i = TakeArgument(arguments, i, argument);
        result.push_back(std::move(argument));
    }
}

std::string QuoteArgument(std::string_view argument) {
    bool plain = !argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string_view::npos;
    if (plain) {
        return std::string(argument);
    }
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote must be doubled, and the quote itself escaped.
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    quoted += '"';
    return quoted;
}

std::string JoinCommandLine(std::string_view program, std::span<const std::string> arguments) {
    const bool blank = program.empty() || program.find_first_of(" \t") != std::string_view::npos;
    std::string line = blank ? "\"" + std::string(program) + "\"" : std::string(program);
    for (const std::string& argument : arguments) {
        line += ' ';
        line += QuoteArgument(argument);
    }
    return line;
}

std::string FolderName(std::string_view windowsName) {
    std::string name(windowsName);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::string ProgramFileName(std::string_view windowsName) {
    std::string name = FolderName(windowsName);
    constexpr std::string_view kExtension = ".exe";
    if (name.size() > kExtension.size()) {
        std::string tail = name.substr(name.size() - kExtension.size());
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (tail == kExtension) {
            name.resize(name.size() - kExtension.size());
        }
    }
    return name;
}

}  // namespace platform::process
