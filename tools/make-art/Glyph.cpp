#include "tools/make-art/Glyph.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <cmath>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

QPainterPath Stroked(const QPainterPath& line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

QPainterPath Play(QRectF b) {
    QPainterPath path;
    path.addPolygon(
        QPolygonF({b.topLeft() + QPointF(b.width() * 0.15, 0), QPointF(b.right(), b.center().y()),
                   b.bottomLeft() + QPointF(b.width() * 0.15, 0)}));
    path.closeSubpath();
    return path;
}

// Eight teeth around a ring with a hole in the middle.
QPainterPath Gear(QRectF b) {
    constexpr int kTeeth = 8;
    const QPointF c = b.center();
    const qreal outer = b.width() / 2, inner = outer * 0.72;
    QPolygonF rim;
    for (int i = 0; i < 4 * kTeeth; ++i) {
        const qreal angle = 2 * kPi * (i - 0.5) / (4 * kTeeth);
        const qreal radius = (i % 4 < 2) ? outer : inner;
        rim << c + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(rim);
    path.closeSubpath();
    path.addEllipse(c, outer * 0.3, outer * 0.3);
    return path;
}

QPainterPath Speaker(QRectF b) {
    const qreal w = b.width(), h = b.height();
    QPainterPath path;
    path.addPolygon(QPolygonF(
        {b.topLeft() + QPointF(0, h * 0.32), b.topLeft() + QPointF(w * 0.22, h * 0.32),
         b.topLeft() + QPointF(w * 0.5, h * 0.05), b.topLeft() + QPointF(w * 0.5, h * 0.95),
         b.topLeft() + QPointF(w * 0.22, h * 0.68), b.topLeft() + QPointF(0, h * 0.68)}));
    path.closeSubpath();
    QPainterPath waves;
    for (const qreal radius : {0.22, 0.42}) {
        const QRectF arc(QPointF(b.left() + w * 0.5 - w * radius, b.center().y() - h * radius),
                         QSizeF(2 * w * radius, 2 * h * radius));
        waves.arcMoveTo(arc, -45);
        waves.arcTo(arc, -45, 90);
    }
    return path.united(Stroked(waves, w * 0.13));
}

// Three faders of a mixing desk, their knobs at different heights.
QPainterPath Faders(QRectF b) {
    QPainterPath path;
    const qreal knobs[] = {0.65, 0.3, 0.5};
    for (int i = 0; i < 3; ++i) {
        const qreal x = b.left() + b.width() * (0.17 + 0.33 * i);
        QPainterPath slot;
        slot.moveTo(x, b.top());
        slot.lineTo(x, b.bottom());
        path = path.united(Stroked(slot, b.width() * 0.08));
        path.addRoundedRect(QRectF(x - b.width() * 0.14, b.top() + b.height() * knobs[i] - 1.5,
                                   b.width() * 0.28, 3),
                            1, 1);
    }
    return path.simplified();
}

QPainterPath Power(QRectF b) {
    QPainterPath ring;
    const QRectF circle =
        b.adjusted(b.width() * 0.08, b.height() * 0.12, -b.width() * 0.08, -b.height() * 0.04);
    ring.arcMoveTo(circle, 60);
    ring.arcTo(circle, 60, -300);
    ring.moveTo(b.center().x(), b.top());
    ring.lineTo(b.center().x(), b.center().y());
    return Stroked(ring, b.width() * 0.16);
}

}  // namespace

QPainterPath GlyphShape(Glyph glyph, QRectF box) {
    switch (glyph) {
        case Glyph::Play:
            return Play(box);
        case Glyph::Gear:
            return Gear(box);
        case Glyph::Speaker:
            return Speaker(box);
        case Glyph::Faders:
            return Faders(box);
        case Glyph::Power:
            return Power(box);
        case Glyph::None:
            break;
    }
    return {};
}

}  // namespace art
