// The window layer on Qt 6 Widgets: the application object first, then the backends on it.
#include <QApplication>
#include <cstdlib>
#include <string_view>

#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowSystem.h"
#include "platform/ui/qt/QtBackends.h"

namespace platform::ui {

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// On a Wayland session with Xwayland the launcher runs as an X11 client. A Wayland client cannot
// place its windows, keep one above another that is not its parent, or keep out of task bars,
// and the toolkit's Wayland backend draws its own frame with minimise and maximise buttons; under
// Xwayland GNOME's and KDE's compositors (and sway and weston) honour the X11 window manager
// hints as they do on an X11 session. A choice of another backend (offscreen) is left alone.
void PreferX11OnWayland() {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland =
        IsSet("WAYLAND_DISPLAY") || (session != nullptr && std::string_view(session) == "wayland");
    if (wayland && IsSet("DISPLAY") &&
        (chosen == nullptr || std::string_view(chosen).starts_with("wayland"))) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

struct X11OnWayland {
    X11OnWayland() { PreferX11OnWayland(); }
};

class SystemWindows final : public InstalledWindows {
  public:
    SystemWindows(int& argc, char** argv) : application_(argc, argv) {
        SetApplicationTitle(QCoreApplication::applicationName().toStdString());
    }

  private:
    X11OnWayland platformChoice_;  // before the application object reads it
    QApplication application_;
    qt::QtBackends backends_;
};

}  // namespace

std::unique_ptr<InstalledWindows> CreateSystemWindows(int& argc, char** argv) {
    return std::make_unique<SystemWindows>(argc, argv);
}

}  // namespace platform::ui
