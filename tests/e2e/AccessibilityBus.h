#pragma once
// A private desktop session's accessibility bus for as long as the object lives, as a desktop
// starts it: a session D-Bus daemon and AT-SPI's bus launcher on it, which starts the
// accessibility bus itself, all in the test's folder (XDG_RUNTIME_DIR points there). Meanwhile
// DBUS_SESSION_BUS_ADDRESS leads the programs the test starts to it, and
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON turns Qt's bridge on as a screen reader would. The launcher
// and the daemon are stopped by their process ids.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/ChildProcess.h"

namespace velorin::test {

class AccessibilityBus {
  public:
    explicit AccessibilityBus(const std::string& folder);
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;
    bool Ready() const { return !address_.empty(); }

    // Calls interface.Method on the object of a bus name on the accessibility bus, as a screen
    // reader does (with gdbus); the reply in GVariant text, or nothing when the call failed.
    std::optional<std::string> Call(const std::string& name, const std::string& path,
                                    const std::string& method,
                                    const std::vector<std::string>& arguments = {}) const;

  private:
    void SetEnvironment(const char* name, const std::string& value);
    std::optional<std::string> CallOn(const std::string& bus, const std::string& name,
                                      const std::string& path, const std::string& method,
                                      const std::vector<std::string>& arguments) const;

    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
    std::optional<testing_support::ChildProcess> session_;
    std::optional<testing_support::ChildProcess> launcher_;
    std::string address_;  // the accessibility bus's
};

// The text of a gdbus reply holding one: ('text',) or (<'text'>,); empty when it holds none.
std::string ReplyText(const std::string& reply);

}  // namespace velorin::test
