#pragma once
// How a window of ours presents itself to the window manager: with exactly the title it was
// given, so an empty caption stays empty rather than becoming the program's name, and never
// minimised. None of our frames has a minimise box; where a window manager offers one anyway, or
// minimises the window by other means, the window comes straight back.
#include <QString>

class QWidget;

namespace platform::ui::qt {

// Sets the title and creates the window's native counterpart, ready to be shown.
void PresentToWindowManager(QWidget& window, const QString& title);

}  // namespace platform::ui::qt
