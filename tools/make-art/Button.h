#pragma once
// The launcher's rounded picture buttons, plain or lit (under the pointer, or chosen).
#include "tools/make-art/Glyph.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace art {

enum class ButtonLook { Plain, Lit };

struct ButtonFace {
    QString label;
    Glyph glyph = Glyph::None;
    int fontPixels = 11;
};

void DrawButton(QPainter& painter, QRectF rect, const ButtonFace& face, ButtonLook look);

}  // namespace art
