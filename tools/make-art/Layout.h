#pragma once
// Where the launcher screen's code looks for things in the pictures: the hot regions and marks
// (resources/LauncherLayout.h) and the hover-text band.
#include <QRect>

#include "resources/LauncherLayout.h"

namespace art {

using resources::kMarkSize;
using resources::LauncherRegion;
constexpr int kScreenWidth = resources::kLauncherWidth;
constexpr int kScreenHeight = resources::kLauncherHeight;

// A region's rectangle as Qt counts it: its last pixels inside, the borders outside.
inline QRect RegionRect(LauncherRegion region) {
    const resources::RegionBounds& bounds = resources::BoundsOf(region);
    return QRect(QPoint(bounds.left, bounds.top), QPoint(bounds.right - 1, bounds.bottom - 1));
}

// The band runs from y = 212 to the bottom; the hover text's box (resources::kHoverTextBox) lies
// on it.
constexpr int kBandTop = 212;
constexpr int kBandRight = 262;

}  // namespace art
