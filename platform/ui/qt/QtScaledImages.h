#pragma once
// The pictures, cursors and icons are drawn at the scales of platform/ui/PictureScales.h; a file
// of a larger scale carries the toolkit's "@<scale>x" suffix before ".png". A window takes the
// scale nearest to its device pixel ratio and lets the painter cover the rest.
#include <QImage>
#include <QString>

namespace platform::ui::qt {

// The scale drawn for a device pixel ratio. Qt finds "@2x" files by itself, but no fractional
// scale: the suffixes are read here.
qreal NearestImageScale(qreal ratio);

// The picture `stem` + ".png" at `scale`, its device pixel ratio set to the scale so that it
// covers its logical size; the 1x picture when that scale is missing, and null when both are.
QImage ReadScaledPng(const QString& stem, qreal scale);

}  // namespace platform::ui::qt
