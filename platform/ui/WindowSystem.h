#pragma once
// The backend side of the window layer. A backend (Qt today) gives every DialogWindow a host: the
// real window that turns the toolkit's events into the window's handlers and carries out its
// requests. Programs and GUI tests install one WindowSystem at start-up.
#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/Accessible.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Window.h"

namespace platform::ui {

class DialogWindow;

enum class FrameKind {
    None,     // no border at all
    Thin,     // a one-pixel border, no caption
    Caption,  // a title bar with a close box, a fixed size
    Dialog,   // a raised dialog frame, no caption
};

struct WindowStyle {
    std::string caption;
    FrameKind frame = FrameKind::None;
    bool windowMenu = false;     // the window has a window menu (right-click, Alt+Space)
    bool taskbarButton = false;  // shown in the task bar as an application window
    bool topmost = false;        // stays above every other window
    // The window's dialog template, on a platform that builds windows from them (Windows); 0 for
    // a window made from this style alone.
    int templateId = 0;
};

enum class ShowCommand { Hide, Show, ShowMaximized };

enum class Metric {
    ScreenWidth,
    ScreenHeight,
    FixedFrameWidth,   // left or right border of a fixed-size window with a caption
    FixedFrameHeight,  // top or bottom border of the same
    CaptionHeight,
    IconWidth,
    IconHeight,
};

class WindowHost {
  public:
    virtual ~WindowHost() = default;

    // Shows the window and runs a message loop until EndModal; other windows get no input.
    virtual void RunModal() = 0;
    virtual void EndModal() = 0;

    virtual void Show(ShowCommand command) = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsMinimized() const = 0;
    // Places the whole window, frame included, at (x, y) with the given outer size, raises it
    // above the other windows and shows it.
    virtual void Place(int x, int y, int width, int height) = 0;
    virtual Rect ClientRect() const = 0;

    // Repaints the rectangle (the whole client area when null) through OnPaint before returning.
    virtual void Redraw(const Rect* rect) = 0;
    // Moves the pixels inside area by (dx, dy), clipped to area, and returns the uncovered part.
    virtual Rect Scroll(const Rect& area, int dx, int dy) = 0;
    // What Canvas::MeasureText gives for the text in that font, without painting.
    virtual Rect MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) = 0;

    virtual bool StartTimer(int id, int periodMs) = 0;
    virtual bool StopTimer(int id) = 0;
    virtual void SetCursor(const Cursor& cursor) = 0;
    virtual void SetIcon(int iconId) = 0;
    // Adds an item (or, with an empty text, a separator) to the end of the window menu.
    virtual void AppendWindowMenuItem(int command, const std::string& text) = 0;
    // Tells the platform's screen readers of a change to one of the window's accessible items;
    // a backend without them ignores it.
    virtual void NotifyAccessible(int /*index*/, AccessibleChange /*change*/) {}
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    virtual std::unique_ptr<WindowHost> CreateHost(DialogWindow& window, const WindowStyle& style,
                                                   bool modal) = 0;
    virtual Picture LoadPicture(int id) = 0;
    virtual int GetMetric(Metric metric) const = 0;
    // Handles the window events of about `most` while the program waits for something else: the
    // windows repaint, and the user's input of the meantime is dropped, never acted on later.
    virtual void HandleEventsWithoutInput(std::chrono::milliseconds most) = 0;
};

// Installs the backend; the caller keeps ownership. Without one, windows cannot be created.
void SetWindowSystem(WindowSystem* system);
WindowSystem* CurrentWindowSystem();

// The picture resource id, or an empty picture when it is missing or no backend is installed.
Picture LoadPicture(int id);
// A system measure in pixels; 0 without a backend.
int GetSystemMetric(Metric metric);

// The platform's own windows, message boxes, layout dialogs and wait cursor, installed while the
// result lives. argc and argv are the toolkit's share of the command line.
class InstalledWindows {
  public:
    virtual ~InstalledWindows() = default;
};
std::unique_ptr<InstalledWindows> CreateSystemWindows(int& argc, char** argv);

}  // namespace platform::ui
