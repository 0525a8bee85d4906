#include "platform/ui/qt/QtWindowManager.h"

#include <xcb/xcb.h>

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace platform::ui::qt {

namespace {

// Undoes a minimisation as soon as the window learns of it.
class MinimiseGuard final : public QObject {
  public:
    explicit MinimiseGuard(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && window_.isMinimized()) {
            // Raised and active again, or a full-screen backdrop that took the focus would
            // stay above it.
            QTimer::singleShot(0, &window_, [window = &window_] {
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                window->raise();
                window->activateWindow();
            });
        }
        return false;
    }

  private:
    QWidget& window_;
};

constexpr auto kNoAtom = static_cast<xcb_atom_t>(XCB_ATOM_NONE);

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : kNoAtom;
    std::free(reply);
    return atom;
}

// The toolkit never lets a title be empty (it puts the program's name in); on X11 the title
// properties are written again, empty.
void ClearX11Title(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t name = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    if (name != kNoAtom && utf8 != kNoAtom) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, name, utf8, 8, 0, "");
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, "");
    xcb_flush(connection);
}

}  // namespace

void PresentToWindowManager(QWidget& window, const QString& title) {
    window.setWindowTitle(title);
    window.winId();
    if (title.isEmpty()) {
        ClearX11Title(window);
    }
    new MinimiseGuard(window);
}

}  // namespace platform::ui::qt
