#include "tools/make-art/SmallPictures.h"

#include "tools/make-art/Effects.h"
#include "tools/make-art/Layout.h"
#include "tools/make-art/Palette.h"

#include <QPainterPath>
#include <cmath>

namespace art {
namespace {

constexpr int kCursorSize = 32;

// The marks are pixel art: drawn pixel by pixel so they stay crisp at 10 by 10. At a larger scale
// each pixel is placed by where its middle falls in the 10 by 10 mark.
qreal Middle(int pixel, qreal scale) {
    return (pixel + 0.5) / scale;
}

bool Inside(qreal x, qreal y, qreal from, qreal to) {
    return from <= x && x < to && from <= y && y < to;
}

bool OnCross(qreal x, qreal y) {
    constexpr qreal kHalfWidth = 0.7;
    return Inside(x, y, 2, kMarkSize - 2) &&
           (std::abs(x - y) <= kHalfWidth || std::abs(x + y - kMarkSize) <= kHalfWidth);
}

QPainterPath HandShape() {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8.5, 0.5, 5, 17), 2.5, 2.5);
    QPainterPath knuckles;
    knuckles.addRoundedRect(QRectF(13.5, 9.5, 4.5, 9), 2.2, 2.2);
    knuckles.addRoundedRect(QRectF(18, 10.5, 4.5, 8), 2.2, 2.2);
    knuckles.addRoundedRect(QRectF(22.5, 12, 4, 7), 2, 2);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(8.5, 14, 18, 15.5), 6, 6);
    QPainterPath thumb;
    thumb.moveTo(9, 18);
    thumb.lineTo(4.5, 14.5);
    thumb.cubicTo(2, 12.8, 0.5, 15.5, 2.5, 17.5);
    thumb.lineTo(9, 25);
    thumb.closeSubpath();
    return hand.united(knuckles).united(palm).united(thumb).simplified();
}

}  // namespace

QImage DrawMark(MarkState state, qreal scale) {
    QImage mark = NewScaledImage({kMarkSize, kMarkSize}, scale, QImage::Format_RGB32);
    mark.fill(Qt::black);
    const bool selected = state == MarkState::Selected;
    for (int row = 0; row < mark.height(); ++row) {
        const qreal y = Middle(row, scale);
        const QColor blue = QColor(kMarkTick).lighter(qRound(125 - 5 * (y - 0.5)));
        for (int column = 0; column < mark.width(); ++column) {
            const qreal x = Middle(column, scale);
            if (!Inside(x, y, 1, kMarkSize - 1)) {
                continue;
            }
            const bool cross = selected && OnCross(x, y);
            mark.setPixel(column, row, cross ? kMarkCross : selected ? blue.rgb() : kMarkFill);
        }
    }
    return mark;
}

Cursor DrawHandCursor(qreal scale) {
    QImage image =
        NewScaledImage({kCursorSize, kCursorSize}, scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath hand = HandShape();
    DrawSoftShadow(painter, hand, QPointF(1.5, 1.5), 2, QColor(0, 0, 0, 110));
    FillVertical(painter, hand, Qt::white, QColor(228, 228, 236));
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawPath(hand);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 0.8));
    painter.drawLine(QPointF(13.5, 14), QPointF(13.5, 18));
    painter.drawLine(QPointF(18, 15), QPointF(18, 18.5));
    painter.drawLine(QPointF(22.5, 16), QPointF(22.5, 19));
    painter.end();
    return {image.convertToFormat(QImage::Format_ARGB32), QPoint(11, 1)};
}

void DrawEmblem(QPainter& painter, QRectF bounds) {
    const qreal size = std::min(bounds.width(), bounds.height());
    const QRectF ring(bounds.center() - QPointF(size, size) / 2, QSizeF(size, size));
    QConicalGradient sweep(ring.center(), 90);
    sweep.setColorAt(0.0, QColor(kGold));
    sweep.setColorAt(0.5, QColor(kGroundBottom));
    sweep.setColorAt(1.0, QColor(kGold));
    const qreal thickness = size * 0.12;
    painter.setPen(QPen(QBrush(sweep), thickness));
    painter.setBrush(QColor(kIndigo));
    painter.drawEllipse(
        ring.adjusted(thickness / 2, thickness / 2, -thickness / 2, -thickness / 2));
    QPainterPath vee;
    const QPointF c = ring.center();
    const qreal s = size / 2;
    vee.moveTo(c + QPointF(-0.52 * s, -0.42 * s));
    vee.lineTo(c + QPointF(-0.22 * s, -0.42 * s));
    vee.lineTo(c + QPointF(0, 0.12 * s));
    vee.lineTo(c + QPointF(0.22 * s, -0.42 * s));
    vee.lineTo(c + QPointF(0.52 * s, -0.42 * s));
    vee.lineTo(c + QPointF(0.1 * s, 0.52 * s));
    vee.lineTo(c + QPointF(-0.1 * s, 0.52 * s));
    vee.closeSubpath();
    painter.setPen(Qt::NoPen);
    FillVertical(painter, vee, Qt::white, QColor(kGold));
}

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawEmblem(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace art
