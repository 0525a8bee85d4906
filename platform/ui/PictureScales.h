#pragma once
// The scales every picture, cursor and icon is drawn at (make-art), for screens with more pixels
// per logical pixel, and how each backend finds a picture's larger scales: Qt by the file's
// suffix, Windows by a resource id of its own.
namespace platform::ui {

struct PictureScale {
    double factor;           // device pixels per logical pixel
    const char* fileSuffix;  // put before ".png" (or ".bmp") of the 1x file's name
    int resourceIdOffset;    // added to a bitmap's id for its Windows resource at this scale
};

// Bitmap ids stay below 1000, so the larger scales' ids never meet another bitmap's.
inline constexpr PictureScale kPictureScales[] = {
    {1.0, "", 0}, {1.5, "@1.5x", 1000}, {2.0, "@2x", 2000}};

// The scale drawn for a device pixel ratio: the nearest, the larger of two equally near.
const PictureScale& NearestPictureScale(double ratio);

}  // namespace platform::ui
