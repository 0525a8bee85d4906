#pragma once
// The colours every picture of the launcher shares, so the screens, the splash, the credits and
// the icon read as one product.
#include <QColor>

#include "resources/LauncherLayout.h"

namespace art {

constexpr QRgb kBandBlue =
    qRgb(resources::kBandBlue.red, resources::kBandBlue.green, resources::kBandBlue.blue);
constexpr QRgb kIndigoDark = qRgb(28, 18, 92);
constexpr QRgb kIndigo = qRgb(52, 36, 160);
constexpr QRgb kViolet = qRgb(112, 94, 236);
constexpr QRgb kVioletLit = qRgb(156, 142, 255);
constexpr QRgb kGroundTop = qRgb(255, 184, 76);
constexpr QRgb kGroundBottom = qRgb(236, 114, 26);
constexpr QRgb kPanelFill = qRgb(255, 204, 132);
constexpr QRgb kMarkFill = qRgb(255, 228, 184);
constexpr QRgb kMarkTick = qRgb(92, 118, 255);
constexpr QRgb kMarkCross = qRgb(16, 10, 56);
constexpr QRgb kGold = qRgb(255, 222, 110);
constexpr QRgb kCream = qRgb(255, 246, 228);
constexpr QRgb kInk = qRgb(58, 26, 6);

}  // namespace art
