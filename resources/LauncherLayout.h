#pragma once
// The launcher screen's layout: its size, its thirteen hot regions, the option marks, the hover
// text's box and the band's blue under it. The screen's code hit-tests these regions and make-art
// draws the pictures around them, so both read them from here and cannot drift apart.
#include <array>
#include <cstdint>

namespace resources {

inline constexpr int kLauncherWidth = 400;
inline constexpr int kLauncherHeight = 250;
// An option's mark: a square picture at its region's top left corner.
inline constexpr int kMarkSize = 10;

// The regions in the order of kLauncherRegions; a click on one runs the command of the same name.
enum class LauncherRegion {
    // The buttons down the right, always live.
    LaunchVelorin,
    SetUpOptions,
    AudioTest,
    MixingRoom,
    Quit,
    // The options panel's regions, live while it shows.
    CharacterDialogue,
    BackgroundSounds,
    LowResolution,
    MediumResolution,
    HighResolution,
    HardwareAcceleration,
    BvhExport,
    RetestSystem,
};
inline constexpr int kLauncherRegionCount = 13;
inline constexpr int kLauncherButtonCount = 5;

// Client pixels; a point on the border belongs to no region.
struct RegionBounds {
    int left, top, right, bottom;
};

inline constexpr std::array<RegionBounds, kLauncherRegionCount> kLauncherRegions{{
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

// The hover text's box on the blue band at the bottom left.
inline constexpr RegionBounds kHoverTextBox{5, 213, 253, 249};

// The band's blue, which the hover text's boxes are filled with, so the two meet pixel for pixel.
// Each channel is one that a 5-bit channel of the 16-bit Windows bitmaps widens to (v << 3 | v >>
// 2), so that the bitmaps hold it exactly too.
struct Rgb {
    std::uint8_t red, green, blue;
};
inline constexpr Rgb kBandBlue{66, 41, 181};

constexpr int IndexOf(LauncherRegion region) {
    return static_cast<int>(region);
}

constexpr const RegionBounds& BoundsOf(LauncherRegion region) {
    return kLauncherRegions[IndexOf(region)];
}

static_assert(IndexOf(LauncherRegion::RetestSystem) + 1 == kLauncherRegionCount);
static_assert(IndexOf(LauncherRegion::CharacterDialogue) == kLauncherButtonCount);

}  // namespace resources
