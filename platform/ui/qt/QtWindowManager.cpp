#include "platform/ui/qt/QtWindowManager.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/qt/QtWaitPump.h"

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

// How long a window kept above the backdrop waits for the backdrop to be up, and how often it
// looks.
constexpr std::chrono::milliseconds kBackdropUpWait{2000};
constexpr std::chrono::milliseconds kBackdropUpPoll{20};

// weston's frame around an X11 window, in pixels: the border on each side, the title bar above.
constexpr int kWestonFrameBorder = 6;
constexpr int kWestonTitleBar = 27;

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
void AddSkipStates(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
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

// Writes what the toolkit cannot just before each map. The native window is made by the first
// show, not before: a window manager that keeps a window's place only from its creation (weston's
// answers every move of a window not yet mapped by putting it in the screen's corner) then finds
// it where it was last placed.
class HintsAtShow final : public QObject {
  public:
    HintsAtShow(QWidget& window, bool taskbarButton)
        : QObject(&window), window_(window), taskbarButton_(taskbarButton) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (window_.windowTitle().isEmpty()) {
                ClearX11Title(window_);
            }
            if (!taskbarButton_) {
                AddSkipStates(window_);
            }
        }
        return false;
    }

  private:
    QWidget& window_;
    bool taskbarButton_;
};

// The X11 FocusIn events of one window, seen before the toolkit relays the focus elsewhere.
class FocusInWatch final : public QObject, public QAbstractNativeEventFilter {
  public:
    FocusInWatch(const QWidget& window, QObject& owner, std::function<void()> then)
        : QObject(&owner), window_(&window), then_(std::move(then)) {
        qApp->installNativeEventFilter(this);
    }
    ~FocusInWatch() override { qApp->removeNativeEventFilter(this); }
    FocusInWatch(const FocusInWatch&) = delete;
    FocusInWatch& operator=(const FocusInWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (eventType != "xcb_generic_event_t" || window_ == nullptr) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~kSentEvent) == XCB_FOCUS_IN) {
            const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
            if (focus->event == window_->internalWinId() && focus->mode == XCB_NOTIFY_MODE_NORMAL) {
                then_();
            }
        }
        return false;
    }

  private:
    static constexpr uint8_t kSentEvent =
        0x80;  // response_type's bit for an event sent by a client
    QPointer<const QWidget> window_;
    std::function<void()> then_;
};

// The name the window manager gives itself (_NET_SUPPORTING_WM_CHECK, then that window's
// _NET_WM_NAME); empty without one.
std::string WindowManagerName(xcb_connection_t* connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const ReplyPtr<xcb_get_property_reply_t> owner(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (owner == nullptr || owner->format != 32 || xcb_get_property_value_length(owner.get()) < 4) {
        return {};
    }
    const xcb_window_t manager =
        *static_cast<const xcb_window_t*>(xcb_get_property_value(owner.get()));
    const xcb_atom_t name = Atom(connection, "_NET_WM_NAME");
    const ReplyPtr<xcb_get_property_reply_t> text(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, manager, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 64), nullptr));
    if (text == nullptr || text->format != 8) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(text.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(text.get()))};
}

bool IsWeston(xcb_connection_t* connection) {
    static const bool weston = WindowManagerName(connection) == "Weston WM";
    return weston;
}

}  // namespace

void PresentToWindowManager(QWidget& window, const QString& title, bool taskbarButton) {
    window.setWindowTitle(title);
    new MinimiseGuard(window);
    new HintsAtShow(window, taskbarButton);
}

void KeepAbove(QWidget& window, QWidget& backdrop) {
    // The toolkit writes WM_TRANSIENT_FOR for dialog windows only, and deletes it from the others
    // at every show; ours are normal windows (a dialog type would cost the launcher screen its
    // task-bar button), so the property is written here, right behind the map request.
    xcb_connection_t* connection = X11Connection();
    // weston reads WM_TRANSIENT_FOR only when it maps a window, and then puts a transient where
    // its shell likes, ignoring the place asked for; written later, it changes nothing there.
    if (connection == nullptr || IsWeston(connection)) {
        return;
    }
    const auto base = static_cast<xcb_window_t>(backdrop.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), XCB_ATOM_WM_TRANSIENT_FOR,
                        XCB_ATOM_WINDOW, 32, 1, &base);
    xcb_flush(connection);
}

bool IsWestonWindowManager() {
    xcb_connection_t* connection = X11Connection();
    return connection != nullptr && IsWeston(connection);
}

void AwaitBackdropUp(const QWidget& backdrop) {
    // weston activates every window its shell maps, and a full-screen one then goes above all
    // others: a window shown before the backdrop is up would end beneath it. The backdrop being
    // active says it is up.
    if (!IsWestonWindowManager()) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + kBackdropUpWait;
    while (!backdrop.isActiveWindow() && std::chrono::steady_clock::now() < deadline) {
        HandleEventsWithoutInput(kBackdropUpPoll);
    }
}

void OnFocusGiven(const QWidget& window, QObject& owner, std::function<void()> then) {
    new FocusInWatch(window, owner, std::move(then));
}

QPoint FramePlacement(const QWidget& window) {
    // weston's window manager puts the outer corner of its frame where the window asked to be,
    // whatever the window's gravity, and tells no frame extents; its frame is fixed. The whole
    // framed window is centred where the client area was meant to be.
    if ((window.windowFlags() & Qt::FramelessWindowHint) || !IsWestonWindowManager()) {
        return {};
    }
    return {kWestonFrameBorder, (kWestonTitleBar + kWestonFrameBorder) / 2};
}

}  // namespace platform::ui::qt
