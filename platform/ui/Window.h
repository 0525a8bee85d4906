#pragma once
// What the flows need of a window they do not own: hide and show it around their messages, and
// repaint part of it at once.
#include <optional>

namespace platform::ui {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

class Window {
  public:
    virtual ~Window() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    // Invalidates the rectangle (the whole client area when null) and repaints it before returning.
    virtual void RedrawNow(const Rect* rect = nullptr) = 0;
};

enum class CursorShape { Arrow, Wait };

// The process-wide cursor override the flows set while they wait (the wait cursor) and clear.
class CursorControl {
  public:
    virtual ~CursorControl() = default;
    // Returns the cursor it replaces: nothing when none had been set (the windows' own show).
    virtual std::optional<CursorShape> Set(CursorShape shape) = 0;
};
void SetCursorControl(CursorControl* control);
std::optional<CursorShape> SetCursorShape(CursorShape shape);

}  // namespace platform::ui
