#pragma once
// The pictures in the file formats a Windows resource script takes: bitmaps as 24-bit BMP files,
// the icon and the cursor as .ico and .cur files of 32-bit images with their alpha.
#include <QImage>
#include <QPoint>
#include <filesystem>
#include <vector>

namespace art {

bool WriteBmp(const QImage& image, const std::filesystem::path& path);

// One entry per image, in the order given (the system picks the size it needs).
bool WriteIcon(const std::vector<QImage>& images, const std::filesystem::path& path);

bool WriteCursor(const QImage& image, QPoint hotSpot, const std::filesystem::path& path);

}  // namespace art
