#pragma once
// How a window of ours presents itself to the window manager: with exactly the title it was
// given, so an empty caption stays empty rather than becoming the program's name, and never
// minimised. None of our frames has a minimise box; where a window manager offers one anyway, or
// minimises the window by other means, the window comes straight back. A window without a
// task-bar button keeps out of task bars and pagers. On X11 (also through Xwayland) these are
// window properties the toolkit has no way to set, written through xcb.
#include <QPoint>
#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace platform::ui::qt {

// Sets the title; what the toolkit cannot write is written at each show, once the native window
// exists (it is made by the first show, at the place the window was given).
void PresentToWindowManager(QWidget& window, const QString& title, bool taskbarButton);

// Makes a window just shown transient for the full-screen backdrop: window managers and
// compositors then stack it above the backdrop whichever of the two has the focus, and a
// compositor that shows nothing but a full-screen window shows its transients too. Not under
// weston's window manager, which would then place the window where its shell likes.
void KeepAbove(QWidget& window, QWidget& backdrop);

// Whether the window manager is weston's (10), which puts a window where it asked to be only
// when the window is new and not transient for another (one shown again goes where its frame
// was, less the frame), and puts a full-screen window that takes the focus above all others.
bool IsWestonWindowManager();

// Returns once the window manager has put the backdrop up (at most a moment), where a window shown
// before that could end beneath it.
void AwaitBackdropUp(const QWidget& backdrop);

// Runs `then` whenever the window manager gives `window` the focus, even where the toolkit hands
// it on at once to a modal window above (and so never reports it); for as long as `owner` lives.
void OnFocusGiven(const QWidget& window, QObject& owner, std::function<void()> then);

// How far up and left of its client area a window asks to be placed, so that a window manager
// that puts its frame's corner where asked centres the framed window where the client area was
// meant to be; nothing where the window manager keeps the client area where asked.
QPoint FramePlacement(const QWidget& window);

}  // namespace platform::ui::qt
