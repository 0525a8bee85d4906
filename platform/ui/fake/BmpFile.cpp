#include "platform/ui/fake/BmpFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace platform::ui::fake {

namespace {

constexpr std::size_t kHeaderSize = 54;
constexpr int kLargestSide = 1 << 14;

std::uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

}  // namespace

std::optional<Surface> ReadBmp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    if (bytes.size() < kHeaderSize || bytes[0] != 'B' || bytes[1] != 'M' ||
        Little(bytes, 28, 2) != 24 || Little(bytes, 30, 4) != 0) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(Little(bytes, 18, 4));
    const auto rows = static_cast<std::int32_t>(Little(bytes, 22, 4));
    const bool bottomUp = rows > 0;
    const int height = bottomUp ? rows : -rows;
    if (width <= 0 || width > kLargestSide || height <= 0 || height > kLargestSide) {
        return std::nullopt;
    }
    const std::size_t offset = Little(bytes, 10, 4);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (offset > bytes.size() ||
        (bytes.size() - offset) / stride < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    Surface picture(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row =
            offset + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            picture.Set(x, y, {bytes[at + 2], bytes[at + 1], bytes[at]});
        }
    }
    return picture;
}

}  // namespace platform::ui::fake
