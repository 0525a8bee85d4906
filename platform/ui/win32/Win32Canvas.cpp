#include "platform/ui/win32/Win32Canvas.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ui/PrefixText.h"
#include "platform/ui/win32/Win32WindowSystem.h"

namespace platform::ui::win32 {

namespace {

constexpr int kIconPixels = 32;
// Each line is drawn as it is: prefix marks are resolved before, and nothing wraps.
constexpr UINT kLineFormat = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP;

COLORREF ToColorRef(Color color) {
    return RGB(color.red, color.green, color.blue);
}

std::vector<std::wstring> ShownLines(std::string_view text) {
    const std::wstring shown = Widen(RemovePrefixMarks(text));
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end = shown.find(L'\n'); end != std::wstring::npos;
         end = shown.find(L'\n', start)) {
        lines.push_back(shown.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(shown.substr(start));
    return lines;
}

// In device pixels.
int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

int LineWidth(HDC dc, const std::wstring& line) {
    RECT box{0, 0, 0, 0};
    ::DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &box, kLineFormat | DT_CALCRECT);
    return box.right - box.left;
}

// The logical pixels that hold a line: lines are laid out a whole number of them apart.
int LogicalLineHeight(HDC dc, const Win32Scale& scale) {
    return scale.Covering({0, 0, 1, LineHeight(dc)}).bottom;
}

}  // namespace

HFONT MakeFont(const FontSpec& wanted, const Win32Scale& scale) {
    return ::CreateFontW(scale.ToDevice(wanted.height), 0, 0, 0, wanted.weight, FALSE,
                         wanted.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_SWISS, Widen(wanted.face).c_str());
}

Rect MeasureLines(HDC dc, std::string_view text, const Rect& rect, const Win32Scale& scale) {
    const std::vector<std::wstring> lines = ShownLines(text);
    int widest = 0;
    for (const std::wstring& line : lines) {
        widest = std::max(widest, LineWidth(dc, line));
    }
    const int width = scale.Covering({0, 0, widest, 1}).right;
    const int height = static_cast<int>(lines.size()) * LogicalLineHeight(dc, scale);
    return {rect.left, rect.top, rect.left + width, rect.top + height};
}

Win32Canvas::Win32Canvas(HDC dc, Rect clipBox, Win32Scale scale, Win32WindowSystem& system)
    : dc_(dc),
      savedState_(::SaveDC(dc)),
      clipBox_(clipBox),
      scale_(scale),
      system_(system),
      font_(MakeFont(fontSpec_, scale_)) {
    ::SelectObject(dc_, font_.get());
    ::SetTextColor(dc_, ToColorRef(textColor_));
    ::SetBkColor(dc_, ToColorRef(backgroundColor_));
    ::SetBkMode(dc_, OPAQUE);
}

Win32Canvas::~Win32Canvas() {
    // Puts the context's own font back before ours is deleted.
    ::RestoreDC(dc_, savedState_);
}

void Win32Canvas::CopyPicture(const Picture& picture, const Rect& destination, int sourceX,
                              int sourceY) {
    const auto* data = static_cast<const Win32Picture*>(picture.data());
    if (data == nullptr) {
        return;
    }
    // The source is in the picture's logical pixels; the bitmap drawn at the nearest scale holds
    // more of them per logical pixel, and is stretched only when its scale is not the window's.
    const Win32Picture::Scaled scaled = data->BitmapFor(scale_.Dpi());
    const Win32Scale drawn(scaled.dpi);
    const Rect target = scale_.ToDevice(destination);
    const Rect source = drawn.ToDevice(
        Rect{sourceX, sourceY, sourceX + destination.Width(), sourceY + destination.Height()});
    const MemoryDc memory(::CreateCompatibleDC(dc_));
    const Selection selected(memory.get(), scaled.bitmap);
    ::SetStretchBltMode(dc_, drawn.Dpi() == scale_.Dpi() ? COLORONCOLOR : HALFTONE);
    ::StretchBlt(dc_, target.left, target.top, target.Width(), target.Height(), memory.get(),
                 source.left, source.top, source.Width(), source.Height(), SRCCOPY);
}

void Win32Canvas::FillRect(const Rect& rect, Color color) {
    const GdiObject brush(::CreateSolidBrush(ToColorRef(color)));
    const Rect device = scale_.ToDevice(rect);
    const RECT area{device.left, device.top, device.right, device.bottom};
    ::FillRect(dc_, &area, static_cast<HBRUSH>(brush.get()));
}

void Win32Canvas::DrawIcon(int iconId, int x, int y) {
    const int pixels = scale_.ToDevice(kIconPixels);
    HICON icon = system_.LoadIcon(iconId, pixels);
    if (icon != nullptr) {
        ::DrawIconEx(dc_, scale_.ToDevice(x), scale_.ToDevice(y), icon, pixels, pixels, 0, nullptr,
                     DI_NORMAL);
    }
}

Color Win32Canvas::SetTextColor(Color color) {
    ::SetTextColor(dc_, ToColorRef(color));
    return std::exchange(textColor_, color);
}

Color Win32Canvas::SetBackgroundColor(Color color) {
    ::SetBkColor(dc_, ToColorRef(color));
    return std::exchange(backgroundColor_, color);
}

FontSpec Win32Canvas::SelectFont(const FontSpec& font) {
    GdiObject made(MakeFont(font, scale_));
    ::SelectObject(dc_, made.get());
    font_ = std::move(made);
    return std::exchange(fontSpec_, font);
}

// Lines are placed in logical pixels; each is drawn, and centred, in device pixels.
int Win32Canvas::DrawText(std::string_view text, const Rect& rect, TextAlign align) {
    const Rect area = scale_.ToDevice(rect);
    const int saved = ::SaveDC(dc_);
    ::IntersectClipRect(dc_, area.left, area.top, area.right, area.bottom);
    const int lineHeight = LogicalLineHeight(dc_, scale_);
    int top = rect.top;
    for (const std::wstring& line : ShownLines(text)) {
        const int width = LineWidth(dc_, line);
        const int left =
            align == TextAlign::Center ? area.left + (area.Width() - width) / 2 : area.left;
        const int y = scale_.ToDevice(top);
        RECT box{left, y, left + width, y + LineHeight(dc_)};
        // Opaque: the line's box takes the background colour under the glyphs.
        ::DrawTextW(dc_, line.c_str(), static_cast<int>(line.size()), &box,
                    kLineFormat | DT_NOCLIP);
        top += lineHeight;
    }
    ::RestoreDC(dc_, saved);
    return top - rect.top;
}

Rect Win32Canvas::MeasureText(std::string_view text, const Rect& rect) {
    return MeasureLines(dc_, text, rect, scale_);
}

int Win32Canvas::LogicalPixelsY() const {
    // Fonts in points come out at their size on a 96-dpi screen, in logical pixels, which the
    // canvas then scales with everything else.
    return kLogicalDpi;
}

}  // namespace platform::ui::win32
