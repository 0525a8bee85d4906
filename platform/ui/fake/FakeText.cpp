#include "platform/ui/fake/FakeText.h"

#include <algorithm>

#include "platform/ui/PrefixText.h"

namespace platform::ui::fake {

namespace {

constexpr int kDefaultLineHeight = 16;

}  // namespace

int LineHeight(const FontSpec& font) {
    return font.height > 0 ? font.height : font.height < 0 ? -font.height : kDefaultLineHeight;
}

std::vector<std::string> ShownLines(std::string_view text) {
    const std::string shown = RemovePrefixMarks(text);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = shown.find('\n'); end != std::string::npos;
         end = shown.find('\n', start)) {
        lines.push_back(shown.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(shown.substr(start));
    return lines;
}

Rect MeasureLines(const FontSpec& font, std::string_view text, const Rect& rect) {
    const std::vector<std::string> lines = ShownLines(text);
    std::size_t widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, line.size());
    }
    return {rect.left, rect.top, rect.left + kCharacterWidth * static_cast<int>(widest),
            rect.top + LineHeight(font) * static_cast<int>(lines.size())};
}

}  // namespace platform::ui::fake
