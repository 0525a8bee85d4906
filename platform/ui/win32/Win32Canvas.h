#pragma once
// Canvas on a device context that the host has clipped to the region being repainted.
#include <windows.h>

#include "platform/ui/Canvas.h"
#include "platform/ui/win32/GdiHandles.h"

namespace platform::ui::win32 {

class Win32WindowSystem;

// The logical font for a requested one, as CreateFont reads the classic height rule itself.
HFONT MakeFont(const FontSpec& wanted);
// The rectangle the text takes in the DC's font: rect's top-left, its widest line, all its lines.
Rect MeasureLines(HDC dc, std::string_view text, const Rect& rect);

class Win32Canvas final : public Canvas {
  public:
    Win32Canvas(HDC dc, Rect clipBox, Win32WindowSystem& system);
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
    Rect clipBox_;
    Win32WindowSystem& system_;
    Color textColor_ = kBlack;
    Color backgroundColor_ = kWhite;
    FontSpec fontSpec_;
    GdiObject font_;
};

}  // namespace platform::ui::win32
