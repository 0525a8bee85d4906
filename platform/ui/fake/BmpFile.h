#pragma once
// The pictures as the resources also hold them: uncompressed BMP files of 16 bits per pixel, 5 for
// each of red, green and blue.
#include <filesystem>
#include <optional>

#include "platform/ui/fake/Surface.h"

namespace platform::ui::fake {

// Nothing when the file is missing, short, or not such a BMP.
std::optional<Surface> ReadBmp(const std::filesystem::path& path);

}  // namespace platform::ui::fake
