#pragma once
// What the intro tests share: the fake window system, and the credits' timing with its body-font
// line height (cell height 14 plus 2): two cards of 61 ticks, then the 102 records of the list
// scroll one pixel a tick.
#include "platform/ui/fake/FakeWindows.h"

namespace intro_test {

namespace ui = platform::ui;
using ui::fake::DrawnText;
using ui::fake::FakeHost;
using ui::fake::FakeWindows;
using ui::fake::Paint;
using ui::fake::TextsOf;

constexpr int kLineHeight = 16;
constexpr int kCardTicks = 61;
constexpr int kScrollStartTick = 2 * kCardTicks;
constexpr int kListHeight = 102 * kLineHeight;

}  // namespace intro_test
