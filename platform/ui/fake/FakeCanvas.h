#pragma once
// The fake window system's canvas: draws on the window's surface, clipped to the part being
// repainted, and records the texts and pictures of the paint.
#include <string>
#include <vector>

#include "platform/ui/Canvas.h"
#include "platform/ui/fake/Surface.h"

namespace platform::ui::fake {

struct DrawnText {
    std::string text;  // as given, '&' marks included
    Rect box;          // the rectangle given
    TextAlign align;
    FontSpec font;
    Color color;
    Color background;
};

struct DrawnPicture {
    int pictureId;  // 0 for an empty picture
    Rect destination;
};

struct Paint {
    Rect area;  // what was repainted
    std::vector<DrawnText> texts;
    std::vector<DrawnPicture> pictures;
};

// The texts of a paint, in drawing order.
std::vector<std::string> TextsOf(const Paint& paint);

class FakeCanvas : public Canvas {
  public:
    FakeCanvas(Surface& surface, Paint& paint) : surface_(surface), paint_(paint) {}

    void CopyPicture(const Picture& picture, const Rect& destination, int sourceX,
                     int sourceY) override;
    void FillRect(const Rect& rect, Color color) override;
    void DrawIcon(int iconId, int x, int y) override;
    Color SetTextColor(Color color) override;
    Color SetBackgroundColor(Color color) override;
    FontSpec SelectFont(const FontSpec& font) override;
    int DrawText(std::string_view text, const Rect& rect, TextAlign align) override;
    Rect MeasureText(std::string_view text, const Rect& rect) override;
    Rect ClipBox() const override { return paint_.area; }
    int LogicalPixelsY() const override { return 96; }

  private:
    // Each character not a blank as a block of ink inside its cell.
    void DrawInk(const std::string& line, int left, int top, const Rect& clip);

    Surface& surface_;
    Paint& paint_;
    Color color_ = kBlack;
    Color background_ = kWhite;
    FontSpec font_{"System", 16, 700, false};
};

}  // namespace platform::ui::fake
