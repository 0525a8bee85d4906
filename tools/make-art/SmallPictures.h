#pragma once
// The small pictures: the option marks, the hand cursor, the application icon and the emblem the
// icon and the credits logo share.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRectF>

namespace art {

enum class MarkState { Unselected, Selected };
QImage DrawMark(MarkState state, qreal scale);

struct Cursor {
    QImage image;
    QPoint hotSpot;  // the fingertip, in logical pixels
};
Cursor DrawHandCursor(qreal scale);

// The icon `size` pixels square; its larger scales are the icon drawn that many pixels square.
QImage DrawIcon(int size);

// A ring of the product's colours around a bold V, fitted into `bounds`.
void DrawEmblem(QPainter& painter, QRectF bounds);

}  // namespace art
