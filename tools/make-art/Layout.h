#pragma once
// Where the launcher screen's code looks for things in the pictures: the hot regions (left, top,
// right, bottom in client pixels, borders outside) and the hover-text band.
#include <QRect>
#include <array>

namespace art {

constexpr int kScreenWidth = 400;
constexpr int kScreenHeight = 250;
constexpr int kMarkSize = 10;

struct Region {
    int left, top, right, bottom;
    QRect Rect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
};

// Index 0-4: the buttons down the right; 5-11: the panel's options; 12: RE-TEST SYSTEM.
constexpr std::array<Region, 13> kRegions{{
    {260, 50, 400, 75},
    {260, 90, 400, 115},
    {260, 130, 400, 160},
    {260, 170, 400, 200},
    {260, 210, 400, 240},
    {16, 72, 165, 82},
    {16, 85, 171, 95},
    {26, 131, 69, 141},
    {83, 131, 145, 141},
    {160, 131, 203, 141},
    {16, 150, 190, 160},
    {16, 162, 166, 172},
    {17, 180, 175, 204},
}};
constexpr int kSetUpOptionsRegion = 1;
constexpr int kFirstOptionRegion = 5;
constexpr int kLastOptionRegion = 11;
constexpr int kRetestRegion = 12;

// The band runs from y = 212 to the bottom; the hover text's boxes (5, 213)-(253, 249) lie on it.
constexpr int kBandTop = 212;
constexpr int kBandRight = 262;

}  // namespace art
