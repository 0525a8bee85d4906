#pragma once
// The pictures in the file formats a Windows resource script takes: bitmaps as BMP files of 16
// bits per pixel (5 each for red, green and blue, uncompressed), as the product's own are; the
// icon and the cursor as .ico and .cur files of 32-bit images with their alpha.
#include <QImage>
#include <QPoint>
#include <filesystem>
#include <vector>

namespace art {

bool WriteBmp(const QImage& image, const std::filesystem::path& path);

// One image of an icon or cursor file; the system picks the size it needs.
struct IconEntry {
    QImage image;
    QPoint hotSpot;  // a cursor's, in the image's own pixels
};

// One entry per image, in the order given.
bool WriteIcon(const std::vector<IconEntry>& images, const std::filesystem::path& path);
bool WriteCursor(const std::vector<IconEntry>& images, const std::filesystem::path& path);

}  // namespace art
