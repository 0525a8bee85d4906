#pragma once
// Canvas on a device context that the host has clipped to the region being repainted. The window
// draws in logical pixels; the canvas draws in the device pixels of the window's scale, text in a
// font made at that scale and pictures from the bitmap drawn at the nearest scale, so that both
// stay sharp.
#include <windows.h>

#include "platform/ui/Canvas.h"
#include "platform/ui/win32/GdiHandles.h"
#include "platform/ui/win32/Win32Scale.h"

namespace platform::ui::win32 {

class Win32WindowSystem;

// The logical font for a requested one at a scale (CreateFont reads the classic height rule
// itself), its height in device pixels.
HFONT MakeFont(const FontSpec& wanted, const Win32Scale& scale);
// The rectangle the text takes in the DC's font, made at the scale, in logical pixels: rect's
// top-left, its widest line, all its lines.
Rect MeasureLines(HDC dc, std::string_view text, const Rect& rect, const Win32Scale& scale);

class Win32Canvas final : public Canvas {
  public:
    Win32Canvas(HDC dc, Rect clipBox, Win32Scale scale, Win32WindowSystem& system);
    ~Win32Canvas() override;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

    void CopyPicture(const Picture& picture, const Rect& destination, int sourceX,
                     int sourceY) override;
    void FillRect(const Rect& rect, Color color) override;
    void DrawIcon(int iconId, int x, int y) override;
    Color SetTextColor(Color color) override;
    Color SetBackgroundColor(Color color) override;
    FontSpec SelectFont(const FontSpec& font) override;
    int DrawText(std::string_view text, const Rect& rect, TextAlign align) override;
    Rect MeasureText(std::string_view text, const Rect& rect) override;
    Rect ClipBox() const override { return clipBox_; }
    int LogicalPixelsY() const override;

  private:
    HDC dc_;
    int savedState_;
    Rect clipBox_;  // logical
    Win32Scale scale_;
    Win32WindowSystem& system_;
    Color textColor_ = kBlack;
    Color backgroundColor_ = kWhite;
    FontSpec fontSpec_;
    GdiObject font_;
};

}  // namespace platform::ui::win32
