#pragma once
// The pictures, cursors and icons are drawn at 1x, 1.5x and 2x; a file of a larger scale carries
// the toolkit's "@<scale>x" suffix before ".png". A window takes the scale nearest to its device
// pixel ratio and lets the painter cover the rest.
#include <QImage>
#include <QString>

namespace platform::ui::qt {

struct ImageScale {
    qreal scale;
    const char* suffix;  // put before ".png"
};
// Qt finds "@2x" files by itself, but no fractional scale: the suffixes are read here. make-art
// draws every picture at each of these.
inline constexpr ImageScale kImageScales[] = {{1.0, ""}, {1.5, "@1.5x"}, {2.0, "@2x"}};

// The scale drawn for a device pixel ratio: the nearest, the larger of two equally near.
qreal NearestImageScale(qreal ratio);

// The picture `stem` + ".png" at `scale`, its device pixel ratio set to the scale so that it
// covers its logical size; the 1x picture when that scale is missing, and null when both are.
QImage ReadScaledPng(const QString& stem, qreal scale);

}  // namespace platform::ui::qt
