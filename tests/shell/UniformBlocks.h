#pragma once
// Whether a screen drawn at twice the pixel density shows more than the 1x screen stretched: in
// a stretched picture every 2x2 block of device pixels is one colour. Shared by the scale-2 tests
// of the launcher screen on each window backend.
#include <array>

#include "platform/ui/Graphics.h"
#include "platform/ui/Window.h"

namespace velorin::test {

using Block = std::array<platform::ui::Color, 4>;

struct BlockCount {
    int uniform = 0;
    int all = 0;
    double Share() const { return all > 0 ? static_cast<double>(uniform) / all : 0.0; }
};

// The 2x2 blocks of `area` (device pixels, read by pixelAt(x, y)) that `counts` selects, and how
// many of them are one colour.
template <typename PixelAt, typename Select>
BlockCount UniformBlocks(PixelAt pixelAt, const platform::ui::Rect& area, Select counts) {
    BlockCount count;
    for (int y = area.top; y + 1 < area.bottom; y += 2) {
        for (int x = area.left; x + 1 < area.right; x += 2) {
            const Block block{pixelAt(x, y), pixelAt(x + 1, y), pixelAt(x, y + 1),
                              pixelAt(x + 1, y + 1)};
            if (!counts(block)) {
                continue;
            }
            ++count.all;
            const bool uniform =
                block[0] == block[1] && block[0] == block[2] && block[0] == block[3];
            count.uniform += uniform ? 1 : 0;
        }
    }
    return count;
}

inline bool AnyBlock(const Block& /*block*/) {
    return true;
}

// The hover text's ink: white, every channel above 200.
inline bool AnyInk(const Block& block) {
    for (const platform::ui::Color& pixel : block) {
        if (pixel.red > 200 && pixel.green > 200 && pixel.blue > 200) {
            return true;
        }
    }
    return false;
}

// The device pixels of a logical rectangle at scale 2.
inline platform::ui::Rect AtScale2(const platform::ui::Rect& logical) {
    return {2 * logical.left, 2 * logical.top, 2 * logical.right, 2 * logical.bottom};
}

}  // namespace velorin::test
