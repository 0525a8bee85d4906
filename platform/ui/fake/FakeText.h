#pragma once
// Text in the fake window system's one typeface, measured the same on every machine: each shown
// character 7 pixels wide, each line as high as the font's height (16 for the default size).
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Graphics.h"
#include "platform/ui/Window.h"

namespace platform::ui::fake {

inline constexpr int kCharacterWidth = 7;

int LineHeight(const FontSpec& font);
// The lines as shown: split at '\n', the '&' marks resolved.
std::vector<std::string> ShownLines(std::string_view text);
// rect's top-left corner, the widest line's width and the height of all lines.
Rect MeasureLines(const FontSpec& font, std::string_view text, const Rect& rect);

}  // namespace platform::ui::fake
