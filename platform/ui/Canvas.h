#pragma once
// What a paint handler draws with: the window's surface, clipped to the part being repainted.
#include <string_view>

#include "platform/ui/Graphics.h"
#include "platform/ui/Window.h"

namespace platform::ui {

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Copies destination.Width() x destination.Height() pixels of the picture, starting at
    // (sourceX, sourceY) in it, to destination. An empty picture draws nothing.
    virtual void CopyPicture(const Picture& picture, const Rect& destination, int sourceX = 0,
                             int sourceY = 0) = 0;
    virtual void FillRect(const Rect& rect, Color color) = 0;
    // Draws the icon resource at its natural size (32 by 32) with its top-left corner at (x, y).
    virtual void DrawIcon(int iconId, int x, int y) = 0;

    // Each returns the previous setting, so a handler can put it back.
    virtual Color SetTextColor(Color color) = 0;
    virtual Color SetBackgroundColor(Color color) = 0;
    virtual FontSpec SelectFont(const FontSpec& font) = 0;

    // Draws the text line by line (lines break only at '\n') from the top of rect, each line on
    // an opaque box of the background colour, clipped to rect. "&&" shows as "&"; a single '&'
    // is dropped. Returns the height of the text drawn.
    virtual int DrawText(std::string_view text, const Rect& rect, TextAlign align) = 0;
    // The rectangle the text would take: rect's top-left corner, its widest line's width and the
    // height of all its lines.
    virtual Rect MeasureText(std::string_view text, const Rect& rect) = 0;

    // The smallest rectangle around the part of the window being repainted.
    virtual Rect ClipBox() const = 0;
    // Pixels per logical inch, vertically: what font sizes in points are converted with.
    virtual int LogicalPixelsY() const = 0;
};

}  // namespace platform::ui
