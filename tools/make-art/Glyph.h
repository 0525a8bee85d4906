#pragma once
// The little pictograms on the launcher's buttons, as shapes to fill.
#include <QPainterPath>
#include <QRectF>

namespace art {

enum class Glyph { None, Play, Gear, Speaker, Faders, Power };

// The glyph fitted into `box` (a square works best); an empty path for Glyph::None.
QPainterPath GlyphShape(Glyph glyph, QRectF box);

}  // namespace art
