#pragma once
// Drawing helpers shared by every picture: soft shadows and glows, gradient fills, shaded text.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <functional>

namespace art {

// Paints `paint` into a transparent layer covering `area`, blurs it by `radius` pixels and draws
// the layer through `painter`: the base of every shadow and glow.
void DrawBlurred(QPainter& painter, QRect area, int radius,
                 const std::function<void(QPainter&)>& paint);

// A soft drop shadow of `shape`, moved by `offset`.
void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int radius,
                    QColor colour);

// Fills `shape` with a vertical gradient from `top` to `bottom` across `shape`'s bounds.
void FillVertical(QPainter& painter, const QPainterPath& shape, QColor top, QColor bottom);

QPainterPath RoundedRect(QRectF rect, qreal radius);

// Text drawn with a soft shadow under it (`shadow` transparent: none).
struct TextStyle {
    QFont font;
    QColor colour;
    QColor shadow;
    int flags = Qt::AlignLeft | Qt::AlignVCenter;
};
void DrawText(QPainter& painter, QRectF box, const QString& text, const TextStyle& style);

QFont Font(const QString& family, int pixelSize, int weight);

// A picture of `size` logical pixels drawn at `scale`: `scale` times as many pixels each way,
// which a painter on it addresses in logical pixels, so one drawing serves every scale.
QImage NewScaledImage(QSize size, qreal scale, QImage::Format format);

}  // namespace art
