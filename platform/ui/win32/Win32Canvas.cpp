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

}  // namespace

HFONT MakeFont(const FontSpec& wanted) {
    return ::CreateFontW(wanted.height, 0, 0, 0, wanted.weight, FALSE,
                         wanted.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_SWISS, Widen(wanted.face).c_str());
}

Rect MeasureLines(HDC dc, std::string_view text, const Rect& rect) {
    const std::vector<std::wstring> lines = ShownLines(text);
    int widest = 0;
    for (const std::wstring& line : lines) {
        widest = std::max(widest, LineWidth(dc, line));
    }
    const int height = static_cast<int>(lines.size()) * LineHeight(dc);
    return {rect.left, rect.top, rect.left + widest, rect.top + height};
}

Win32Canvas::Win32Canvas(HDC dc, Rect clipBox, Win32WindowSystem& system)
    : dc_(dc),
      savedState_(::SaveDC(dc)),
      clipBox_(clipBox),
      system_(system),
      font_(MakeFont(fontSpec_)) {
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
    const MemoryDc source(::CreateCompatibleDC(dc_));
    const Selection selected(source.get(), data->bitmap());
    ::BitBlt(dc_, destination.left, destination.top, destination.Width(), destination.Height(),
             source.get(), sourceX, sourceY, SRCCOPY);
}

void Win32Canvas::FillRect(const Rect& rect, Color color) {
    const GdiObject brush(::CreateSolidBrush(ToColorRef(color)));
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::FillRect(dc_, &area, static_cast<HBRUSH>(brush.get()));
}

void Win32Canvas::DrawIcon(int iconId, int x, int y) {
    HICON icon = system_.LoadIcon(iconId, kIconPixels);
    if (icon != nullptr) {
        ::DrawIcon(dc_, x, y, icon);
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
    GdiObject made(MakeFont(font));
    ::SelectObject(dc_, made.get());
    font_ = std::move(made);
    return std::exchange(fontSpec_, font);
}

int Win32Canvas::DrawText(std::string_view text, const Rect& rect, TextAlign align) {
    const int saved = ::SaveDC(dc_);
    ::IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
    const int lineHeight = LineHeight(dc_);
    int top = rect.top;
    for (const std::wstring& line : ShownLines(text)) {
        const int width = LineWidth(dc_, line);
        const int left =
            align == TextAlign::Center ? rect.left + (rect.Width() - width) / 2 : rect.left;
        RECT box{left, top, left + width, top + lineHeight};
        // Opaque: the line's box takes the background colour under the glyphs.
        ::DrawTextW(dc_, line.c_str(), static_cast<int>(line.size()), &box,
                    kLineFormat | DT_NOCLIP);
        top += lineHeight;
    }
    ::RestoreDC(dc_, saved);
    return top - rect.top;
}

Rect Win32Canvas::MeasureText(std::string_view text, const Rect& rect) {
    return MeasureLines(dc_, text, rect);
}

int Win32Canvas::LogicalPixelsY() const {
    return ::GetDeviceCaps(dc_, LOGPIXELSY);
}

}  // namespace platform::ui::win32
