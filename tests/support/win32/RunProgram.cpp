#include <windows.h>

#include <string>
#include <thread>

#include "platform/process/CommandLine.h"
#include "tests/support/ChildProcess.h"

namespace testing_support {
namespace {

struct Handle {
    HANDLE value = nullptr;
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Close(); }
    void Close() {
        if (value != nullptr) {
            ::CloseHandle(value);
            value = nullptr;
        }
    }
};

// A pipe whose end childEnd (0: read, 1: write) the program inherits.
struct Pipe {
    Handle read;
    Handle write;
    explicit Pipe(int childEnd) {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        ::CreatePipe(&read.value, &write.value, &inherited, 0);
        ::SetHandleInformation(childEnd == 0 ? write.value : read.value, HANDLE_FLAG_INHERIT, 0);
    }
};

// Everything the pipe gives until the program closes it, read as text: "\r\n" becomes "\n".
std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD size = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &size, nullptr) && size > 0) {
        text.append(buffer, size);
    }
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

std::string CommandLine(const std::vector<std::string>& argv) {
    std::string line;
    for (const std::string& arg : argv) {
        line += (line.empty() ? "" : " ") + platform::process::QuoteArgument(arg);
    }
    return line;
}

}  // namespace

ProgramResult RunProgram(const std::vector<std::string>& argv, std::string_view input) {
    Pipe in(0), out(1), err(1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.read.value;
    startup.hStdOutput = out.write.value;
    startup.hStdError = err.write.value;
    PROCESS_INFORMATION process{};
    std::string line = CommandLine(argv);
    ProgramResult result;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return result;
    }
    ::CloseHandle(process.hThread);
    in.read.Close();
    out.write.Close();
    err.write.Close();
    std::thread errors([&] { result.err = ReadAll(err.read.value); });
    DWORD written = 0;
    ::WriteFile(in.write.value, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    in.write.Close();
    result.out = ReadAll(out.read.value);
    errors.join();
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hProcess);
    result.status = static_cast<int>(status);
    return result;
}

}  // namespace testing_support
