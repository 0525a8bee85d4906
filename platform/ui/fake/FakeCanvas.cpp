#include "platform/ui/fake/FakeCanvas.h"

#include <utility>

#include "platform/ui/fake/FakePicture.h"
#include "platform/ui/fake/FakeText.h"

namespace platform::ui::fake {

namespace {

constexpr int kInkMargin = 2;

}  // namespace

std::vector<std::string> TextsOf(const Paint& paint) {
    std::vector<std::string> texts;
    for (const DrawnText& text : paint.texts) {
        texts.push_back(text.text);
    }
    return texts;
}

void FakeCanvas::CopyPicture(const Picture& picture, const Rect& destination, int sourceX,
                             int sourceY) {
    const auto* data = dynamic_cast<const FakePicture*>(picture.data());
    paint_.pictures.push_back({data != nullptr ? data->id() : 0, destination});
    if (data != nullptr) {
        surface_.Copy(data->pixels(), destination, sourceX, sourceY, paint_.area);
    }
}

void FakeCanvas::FillRect(const Rect& rect, Color color) {
    surface_.Fill(rect, color, paint_.area);
}

void FakeCanvas::DrawIcon(int /*iconId*/, int /*x*/, int /*y*/) {}

Color FakeCanvas::SetTextColor(Color color) {
    return std::exchange(color_, color);
}

Color FakeCanvas::SetBackgroundColor(Color color) {
    return std::exchange(background_, color);
}

FontSpec FakeCanvas::SelectFont(const FontSpec& font) {
    return std::exchange(font_, font);
}

int FakeCanvas::DrawText(std::string_view text, const Rect& rect, TextAlign align) {
    paint_.texts.push_back({std::string(text), rect, align, font_, color_, background_});
    const Rect clip = Intersect(rect, paint_.area);
    const int lineHeight = LineHeight(font_);
    int top = rect.top;
    for (const std::string& line : ShownLines(text)) {
        const int width = kCharacterWidth * static_cast<int>(line.size());
        const int left =
            align == TextAlign::Center ? rect.left + (rect.Width() - width) / 2 : rect.left;
        surface_.Fill({left, top, left + width, top + lineHeight}, background_, clip);
        DrawInk(line, left, top, clip);
        top += lineHeight;
    }
    return top - rect.top;
}

void FakeCanvas::DrawInk(const std::string& line, int left, int top, const Rect& clip) {
    const int bottom = top + LineHeight(font_) - kInkMargin;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != ' ') {
            const int x = left + kCharacterWidth * static_cast<int>(i);
            surface_.Fill({x + 1, top + kInkMargin, x + kCharacterWidth - 1, bottom}, color_, clip);
        }
    }
}

Rect FakeCanvas::MeasureText(std::string_view text, const Rect& rect) {
    return MeasureLines(font_, text, rect);
}

}  // namespace platform::ui::fake
