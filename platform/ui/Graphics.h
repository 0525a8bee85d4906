#pragma once
// The drawing values a window's paint handler works with: colours, fonts, pictures and cursors.
// Each is a plain value or a shared, immutable handle, so nothing has to be deleted by hand.
#include <cstdint>
#include <memory>
#include <string>

namespace platform::ui {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Color&) const = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};

// A font as a window asks for it. height follows the classic logical-font rule: negative is the
// character height in pixels, positive the cell height (ascent plus descent), 0 a default size.
struct FontSpec {
    std::string face;
    int height = 0;
    int weight = 400;  // 400 normal, 700 bold
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

// Text position inside its rectangle, line by line.
enum class TextAlign { Left, Center };

// The pixels of a picture resource; each backend keeps its own representation behind it.
class PictureData {
  public:
    virtual ~PictureData() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A loaded picture, or an empty one when the resource could not be loaded.
class Picture {
  public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}
    bool IsLoaded() const { return data_ != nullptr; }
    int Width() const { return data_ ? data_->Width() : 0; }
    int Height() const { return data_ ? data_->Height() : 0; }
    const PictureData* data() const { return data_.get(); }

  private:
    std::shared_ptr<const PictureData> data_;
};

// A mouse cursor: one of the system's shapes or a cursor resource by id.
struct Cursor {
    enum class Kind { Arrow, Wait, Resource };
    Kind kind = Kind::Arrow;
    int resourceId = 0;
    bool operator==(const Cursor&) const = default;
};

inline Cursor ArrowCursor() {
    return {};
}
inline Cursor WaitCursor() {
    return {Cursor::Kind::Wait, 0};
}
inline Cursor LoadCursorResource(int id) {
    return {Cursor::Kind::Resource, id};
}

}  // namespace platform::ui
