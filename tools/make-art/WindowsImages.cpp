#include "tools/make-art/WindowsImages.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace art {
namespace {

constexpr std::uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kFileHeaderBytes = 14;  // BITMAPFILEHEADER
constexpr std::uint32_t kDirectoryBytes = 6;    // ICONDIR
constexpr std::uint32_t kEntryBytes = 16;       // ICONDIRENTRY
constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kCursorType = 2;

class Bytes {
  public:
    void Put(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            data_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    }
    void Append(const std::string& more) { data_ += more; }
    const std::string& Data() const { return data_; }

  private:
    std::string data_;
};

// Rows are stored bottom-up, each padded to a multiple of four bytes.
std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void PutInfoHeader(Bytes& out, const QImage& image, int storedHeight, int bitsPerPixel,
                   std::uint32_t pixelBytes) {
    out.Put(kInfoHeaderBytes, 4);
    out.Put(static_cast<std::uint32_t>(image.width()), 4);
    out.Put(static_cast<std::uint32_t>(storedHeight), 4);
    out.Put(1, 2);  // planes
    out.Put(static_cast<std::uint32_t>(bitsPerPixel), 2);
    out.Put(0, 4);  // BI_RGB
    out.Put(pixelBytes, 4);
    out.Put(0, 4);  // resolution: unspecified
    out.Put(0, 4);
    out.Put(0, 4);  // no palette
    out.Put(0, 4);
}

// A colour channel in five bits: the nearest of the 32 levels, each of which a reader widens back
// by repeating its top bits (so 0 and 31 are 0 and 255).
std::uint32_t FiveBits(int channel) {
    constexpr int kLevels = 31;
    constexpr int kEightBitMax = 255;
    return static_cast<std::uint32_t>((channel * kLevels + kEightBitMax / 2) / kEightBitMax);
}

// Each pixel 0RRRRRGGGGGBBBBB, as the product's bitmaps hold them.
std::string Rgb555Rows(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t padding = RowBytes(rgb.width(), 16) - 2 * rgb.width();
    Bytes rows;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            rows.Put(
                FiveBits(qRed(pixel)) << 10 | FiveBits(qGreen(pixel)) << 5 | FiveBits(qBlue(pixel)),
                2);
        }
        rows.Put(0, static_cast<int>(padding));
    }
    return rows.Data();
}

// An icon image: the colour rows with their alpha, then the mask (set where fully transparent),
// which is why the header claims twice the height.
std::string IconImage(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Bytes colour;
    std::string mask;
    const std::uint32_t maskRow = RowBytes(argb.width(), 1);
    for (int y = argb.height() - 1; y >= 0; --y) {
        std::string row(maskRow, '\0');
        for (int x = 0; x < argb.width(); ++x) {
            colour.Put(argb.pixel(x, y), 4);
            if (qAlpha(argb.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        mask += row;
    }
    Bytes out;
    PutInfoHeader(out, argb, 2 * argb.height(), 32,
                  static_cast<std::uint32_t>(colour.Data().size() + mask.size()));
    out.Append(colour.Data());
    out.Append(mask);
    return out.Data();
}

// Icon and cursor files share one layout; a cursor's entry holds its hot spot where an icon's
// holds its planes and colour depth.
std::string IconDirectory(std::uint16_t type, const std::vector<IconEntry>& images) {
    Bytes head;
    std::string bodies;
    head.Put(0, 2);
    head.Put(type, 2);
    head.Put(static_cast<std::uint32_t>(images.size()), 2);
    auto offset = static_cast<std::uint32_t>(kDirectoryBytes + kEntryBytes * images.size());
    for (const auto& [image, hotSpot] : images) {
        const std::string body = IconImage(image);
        head.Put(static_cast<std::uint32_t>(image.width() & 0xFF), 1);  // 256 is written as 0
        head.Put(static_cast<std::uint32_t>(image.height() & 0xFF), 1);
        head.Put(0, 2);  // no palette, reserved
        head.Put(type == kCursorType ? static_cast<std::uint32_t>(hotSpot.x()) : 1, 2);
        head.Put(type == kCursorType ? static_cast<std::uint32_t>(hotSpot.y()) : 32, 2);
        head.Put(static_cast<std::uint32_t>(body.size()), 4);
        head.Put(offset, 4);
        offset += static_cast<std::uint32_t>(body.size());
        bodies += body;
    }
    return head.Data() + bodies;
}

bool WriteFile(const std::string& data, const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

bool WriteBmp(const QImage& image, const std::filesystem::path& path) {
    const std::string rows = Rgb555Rows(image);
    const std::uint32_t pixelsAt = kFileHeaderBytes + kInfoHeaderBytes;
    Bytes out;
    out.Append("BM");
    out.Put(pixelsAt + static_cast<std::uint32_t>(rows.size()), 4);
    out.Put(0, 4);  // reserved
    out.Put(pixelsAt, 4);
    PutInfoHeader(out, image, image.height(), 16, static_cast<std::uint32_t>(rows.size()));
    out.Append(rows);
    return WriteFile(out.Data(), path);
}

bool WriteIcon(const std::vector<IconEntry>& images, const std::filesystem::path& path) {
    return WriteFile(IconDirectory(kIconType, images), path);
}

bool WriteCursor(const std::vector<IconEntry>& images, const std::filesystem::path& path) {
    return WriteFile(IconDirectory(kCursorType, images), path);
}

}  // namespace art
