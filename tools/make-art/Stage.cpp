#include "tools/make-art/Stage.h"

#include "tools/make-art/Effects.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace art {
namespace {

// A point on the floor: u across (0 left, 1 right), v from the far edge (0) to the near edge (1).
// Rows shrink towards the far edge, as they would in perspective.
QPointF FloorPoint(const Floor& floor, qreal u, qreal v) {
    const qreal depth = std::pow(v, 1.6);
    const qreal y = floor.area.top() + depth * floor.area.height();
    const qreal width = floor.farWidth + (floor.area.width() - floor.farWidth) * depth;
    const qreal left = floor.area.center().x() - width / 2;
    return {left + u * width, y};
}

QPolygonF Tile(const Floor& floor, int column, int row) {
    const qreal u0 = qreal(column) / floor.columns, u1 = qreal(column + 1) / floor.columns;
    const qreal v0 = qreal(row) / floor.rows, v1 = qreal(row + 1) / floor.rows;
    return QPolygonF({FloorPoint(floor, u0, v0), FloorPoint(floor, u1, v0),
                      FloorPoint(floor, u1, v1), FloorPoint(floor, u0, v1)});
}

// A fixed scatter of lit tiles, the same on every run.
bool IsLit(int column, int row) {
    return (column * 7 + row * 5) % 11 == 3;
}

// Lit tiles glow: a blurred copy under the crisp tile.
void DrawLitTiles(QPainter& painter, const Floor& floor) {
    const auto paintTiles = [&floor](QPainter& target) {
        target.setPen(Qt::NoPen);
        for (int row = 0; row < floor.rows; ++row) {
            for (int column = 0; column < floor.columns; ++column) {
                if (!IsLit(column, row)) {
                    continue;
                }
                QColor glow = floor.litTile;
                glow.setAlphaF(glow.alphaF() * (0.35 + 0.65 * (row + 1) / floor.rows));
                target.setBrush(glow);
                target.drawPolygon(Tile(floor, column, row));
            }
        }
    };
    DrawBlurred(painter, floor.area.toAlignedRect(), 4, paintTiles);
    paintTiles(painter);
}

}  // namespace

void DrawSpotlight(QPainter& painter, const Spotlight& light) {
    const QPointF side(light.spread, 0);
    QPainterPath beam;
    beam.moveTo(light.source - QPointF(2, 0));
    beam.lineTo(light.target - side);
    beam.arcTo(QRectF(light.target - side - QPointF(0, light.spread / 4),
                      QSizeF(2 * light.spread, light.spread / 2)),
               180, 180);
    beam.lineTo(light.source + QPointF(2, 0));
    beam.closeSubpath();
    QLinearGradient fade(light.source, light.target);
    QColor bright = light.colour;
    QColor faint = light.colour;
    faint.setAlphaF(light.colour.alphaF() * 0.25);
    fade.setColorAt(0.0, bright);
    fade.setColorAt(1.0, faint);
    DrawBlurred(painter, beam.boundingRect().toAlignedRect(), 4,
                [&](QPainter& layer) { layer.fillPath(beam, fade); });
    QRadialGradient pool(light.target, light.spread * 1.2);
    pool.setColorAt(0.0, bright);
    pool.setColorAt(1.0, Qt::transparent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pool);
    painter.drawEllipse(light.target, light.spread * 1.2, light.spread * 0.45);
}

void DrawFloor(QPainter& painter, const Floor& floor) {
    DrawLitTiles(painter, floor);
    QPen pen(floor.lineColour, 1.0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int column = 0; column <= floor.columns; ++column) {
        const qreal u = qreal(column) / floor.columns;
        painter.drawLine(FloorPoint(floor, u, 0), FloorPoint(floor, u, 1));
    }
    for (int row = 0; row <= floor.rows; ++row) {
        const qreal v = qreal(row) / floor.rows;
        painter.drawLine(FloorPoint(floor, 0, v), FloorPoint(floor, 1, v));
    }
}

}  // namespace art
