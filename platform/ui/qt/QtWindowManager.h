#pragma once
// How a window of ours presents itself to the window manager: with exactly the title it was
// given, so an empty caption stays empty rather than becoming the program's name, and never
// minimised. None of our frames has a minimise box; where a window manager offers one anyway, or
// minimises the window by other means, the window comes straight back. A window without a
// task-bar button keeps out of task bars and pagers. On X11 (also through Xwayland) these are
// window properties the toolkit has no way to set, written through xcb.
#include <QPoint>
#include <QString>

class QWidget;

namespace platform::ui::qt {

// Sets the title and creates the window's native counterpart, ready to be shown.
void PresentToWindowManager(QWidget& window, const QString& title, bool taskbarButton);

// Makes a window just shown transient for the full-screen backdrop: window managers and
// compositors then stack it above the backdrop whichever of the two has the focus, and a
// compositor that shows nothing but a full-screen window shows its transients too.
void KeepAbove(QWidget& window, QWidget& backdrop);

// Returns once the window manager has put the backdrop up (at most a moment), where a window shown
// before that could end beneath it.
void AwaitBackdropUp(const QWidget& backdrop);

// How far up and left of its client area a window asks to be placed, so that a window manager
// that puts its frame's corner where asked centres the framed window where the client area was
// meant to be; nothing where the window manager keeps the client area where asked.
QPoint FramePlacement(const QWidget& window);

}  // namespace platform::ui::qt
