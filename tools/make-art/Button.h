#pragma once
// The launcher's rounded picture buttons, plain or lit (under the pointer, or chosen).
#include <QPainter>
#include <QRectF>
#include <QString>

namespace art {

enum class ButtonLook { Plain, Lit };

void DrawButton(QPainter& painter, QRectF rect, const QString& label, ButtonLook look,
                int fontPixels);

}  // namespace art
