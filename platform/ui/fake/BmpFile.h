#pragma once
// The pictures as the resources also hold them: uncompressed 24-bit BMP files.
#include <filesystem>
#include <optional>

#include "platform/ui/fake/Surface.h"

namespace platform::ui::fake {

// Nothing when the file is missing, short, or not an uncompressed 24-bit BMP.
std::optional<Surface> ReadBmp(const std::filesystem::path& path);

}  // namespace platform::ui::fake
