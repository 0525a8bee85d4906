#pragma once
// The dance-stage motifs that tie the launcher, the splash and the credits together: spotlight
// beams and a tiled floor in perspective.
#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace art {

struct Spotlight {
    QPointF source;  // where the beam leaves the lamp
    QPointF target;  // the middle of the lit spot
    qreal spread;    // half the beam's width at the target, in pixels
    QColor colour;
};
void DrawSpotlight(QPainter& painter, const Spotlight& light);

struct Floor {
    QRectF area;     // the floor's band on screen: the far edge at the top
    qreal farWidth;  // width of the floor's far edge, centred on the area
    int columns;
    int rows;
    QColor lineColour;
    QColor litTile;  // a few tiles glow in this colour
};
void DrawFloor(QPainter& painter, const Floor& floor);

}  // namespace art
