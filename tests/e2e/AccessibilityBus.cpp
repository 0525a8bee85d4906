#include "tests/e2e/AccessibilityBus.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/e2e/X11Screen.h"

namespace velorin::test {

namespace {

constexpr auto kBusWait = std::chrono::seconds(20);

}  // namespace

AccessibilityBus::AccessibilityBus(const std::string& folder) {
    const std::filesystem::path runtime = std::filesystem::path(folder) / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    SetEnvironment("XDG_RUNTIME_DIR", runtime.string());
    // The bus launcher reads its settings' schemas, which a test's own XDG_DATA_DIRS hides.
    SetEnvironment("GSETTINGS_SCHEMA_DIR", "/usr/share/glib-2.0/schemas");
    // The daemon prints its address once it accepts connections.
    session_.emplace(std::vector<std::string>{"dbus-daemon", "--session", "--nofork",
                                              "--address=unix:dir=" + runtime.string(),
                                              "--print-address=1"});
    std::string session;
    if (!session_->started() || !session_->ReadLine(session) || session.empty()) {
        return;
    }
    SetEnvironment("DBUS_SESSION_BUS_ADDRESS", session);
    SetEnvironment("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    launcher_.emplace(
        std::vector<std::string>{"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"},
        testing_support::ChildProcess::Output::Shared);
    const auto deadline = std::chrono::steady_clock::now() + kBusWait;
    while (address_.empty() && std::chrono::steady_clock::now() < deadline) {
        const auto reply =
            CallOn(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress", {});
        if (reply) {
            address_ = ReplyText(*reply);
        } else {
            std::this_thread::sleep_for(kPollPeriod);
        }
    }
}

// The bus launcher ends the accessibility bus it started when it is asked to end.
AccessibilityBus::~AccessibilityBus() {
    if (launcher_ && launcher_->started()) {
        launcher_->Kill(SIGTERM);
        launcher_->Wait();
    }
    launcher_.reset();
    session_.reset();
    for (const auto& [name, value] : saved_) {
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }
}

void AccessibilityBus::SetEnvironment(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    setenv(name, value.c_str(), 1);
}

std::string ReplyText(const std::string& reply) {
    const auto first = reply.find('\'');
    const auto last = reply.rfind('\'');
    return first != std::string::npos && first < last ? reply.substr(first + 1, last - first - 1)
                                                      : std::string();
}

std::optional<std::string> AccessibilityBus::Call(const std::string& name, const std::string& path,
                                                  const std::string& method,
                                                  const std::vector<std::string>& arguments) const {
    return CallOn(address_, name, path, method, arguments);
}

std::optional<std::string> AccessibilityBus::CallOn(
    const std::string& bus, const std::string& name, const std::string& path,
    const std::string& method, const std::vector<std::string>& arguments) const {
    std::vector<std::string> command{"gdbus", "call",          "--address", bus,        "--dest",
                                     name,    "--object-path", path,        "--method", method};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const testing_support::ProgramResult result = testing_support::RunProgram(command);
    if (result.status != 0) {
        return std::nullopt;
    }
    return result.out;
}

}  // namespace velorin::test
