#pragma once
// Rectangles cross the layer as left, top, right, bottom with right and bottom outside.
#include <QRect>

#include "platform/ui/Window.h"

namespace platform::ui::qt {

inline QRect ToQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

inline Rect FromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace platform::ui::qt
