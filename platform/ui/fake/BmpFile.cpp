#include "platform/ui/fake/BmpFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace platform::ui::fake {

namespace {

constexpr std::size_t kHeaderSize = 54;
constexpr int kLargestSide = 1 << 14;
constexpr std::uint32_t kBitsPerPixel = 16;
constexpr std::size_t kPixelBytes = 2;

std::uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// A 5-bit channel widened to 8 bits by repeating its top bits, as the system's drawing does, so
// that 0 and 31 are 0 and 255.
std::uint8_t Widened(std::uint32_t pixel, int shift) {
    const std::uint32_t five = (pixel >> shift) & 0x1F;
    return static_cast<std::uint8_t>(five << 3 | five >> 2);
}

Color Rgb555(std::uint32_t pixel) {
    return {Widened(pixel, 10), Widened(pixel, 5), Widened(pixel, 0)};
}

}  // namespace

std::optional<Surface> ReadBmp(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    if (bytes.size() < kHeaderSize || bytes[0] != 'B' || bytes[1] != 'M' ||
        Little(bytes, 28, 2) != kBitsPerPixel || Little(bytes, 30, 4) != 0) {
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
    const std::size_t stride =
        (static_cast<std::size_t>(width) * kPixelBytes + 3) & ~std::size_t{3};
    if (offset > bytes.size() ||
        (bytes.size() - offset) / stride < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    Surface picture(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row =
            offset + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            picture.Set(x, y,
                        Rgb555(Little(bytes, row + static_cast<std::size_t>(x) * kPixelBytes,
                                      kPixelBytes)));
        }
    }
    return picture;
}

}  // namespace platform::ui::fake
