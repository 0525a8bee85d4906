#include "platform/ui/qt/QtWindowManager.h"

#include <xcb/xcb.h>

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

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

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// xcb hands each reply over to be freed with free().
struct FreeReply {
    void operator()(void* reply) const {
        std::free(reply);  // NOLINT(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
    }
};
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    const xcb_intern_atom_reply_t* answer = reply.get();
    return answer != nullptr ? answer->atom : kNoAtom;
}

// The toolkit never lets a title be empty (it puts the program's name in); on X11 the title
// properties are written again, empty.
void ClearX11Title(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
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

// Adds the skip states to a window about to be mapped: the window manager reads _NET_WM_STATE
// at the map, and may drop it when the window is withdrawn, so it is written at every show. The
// toolkit merges its own states into what it finds. Qt::Tool would skip the task bar too, but
// window managers stack and focus tool windows apart from the application's others.
class TaskbarSkipper final : public QObject {
  public:
    explicit TaskbarSkipper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            AddSkipStates();
        }
        return false;
    }

  private:
    void AddSkipStates() {
        xcb_connection_t* connection = X11Connection();
        if (connection == nullptr) {
            return;
        }
        const auto id = static_cast<xcb_window_t>(window_.winId());
        const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
        std::vector<xcb_atom_t> states;
        const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 64), nullptr));
        if (const xcb_get_property_reply_t* answer = reply.get();
            answer != nullptr && answer->format == 32) {
            const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(answer));
            states.assign(atoms, atoms + xcb_get_property_value_length(answer) / 4);
        }
        for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
            const xcb_atom_t skip = Atom(connection, name);
            if (skip != kNoAtom && std::find(states.begin(), states.end(), skip) == states.end()) {
                states.push_back(skip);
            }
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(states.size()), states.data());
        xcb_flush(connection);
    }

    QWidget& window_;
};

}  // namespace

void PresentToWindowManager(QWidget& window, const QString& title, bool taskbarButton) {
    window.setWindowTitle(title);
    window.winId();
    if (title.isEmpty()) {
        ClearX11Title(window);
    }
    new MinimiseGuard(window);
    if (!taskbarButton) {
        new TaskbarSkipper(window);
    }
}

void KeepAbove(QWidget& window, QWidget& backdrop) {
    // The toolkit writes WM_TRANSIENT_FOR for dialog windows only, and deletes it from the others
    // at every show; ours are normal windows (a dialog type would cost the launcher screen its
    // task-bar button), so the property is written here, right behind the map request.
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return;
    }
    const auto base = static_cast<xcb_window_t>(backdrop.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), XCB_ATOM_WM_TRANSIENT_FOR,
                        XCB_ATOM_WINDOW, 32, 1, &base);
    xcb_flush(connection);
}

}  // namespace platform::ui::qt
