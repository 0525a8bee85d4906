#pragma once
// A window of the launcher, written the way its dialog classes are: a subclass overrides the
// handlers it needs and calls the operations below. The installed WindowSystem supplies the real
// window (its host) while the window exists: from DoModal or Create to the end of the modal loop
// or DestroyWindow. No toolkit type appears here.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Accessible.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Key.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowSystem.h"

namespace platform::ui {

// The window menu's own Close item; window-menu commands of a window use small ids of their own.
inline constexpr int kCommandClose = 0xF060;
// What DoModal returns when no window could be created.
inline constexpr int kNoWindow = -1;

class DialogWindow : public Window {
  public:
    explicit DialogWindow(WindowStyle style);
    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Creates the window, calls OnInitDialog, shows it and runs its own message loop until
    // EndDialog; then OnDestroy, and the window is gone. Returns EndDialog's result.
    int DoModal();
    // Creates the window without showing it (a modeless window) and calls OnInitDialog.
    bool Create();
    // Ends a modal loop once the current handler returns; a modeless window is hidden.
    void EndDialog(int result);
    // Calls OnDestroy and removes the window; nothing happens when there is none.
    void DestroyWindow();
    bool HasWindow() const { return host_ != nullptr; }

    void ShowWindow(ShowCommand command);
    // Places the whole window (frame included) with its outer size, on top of the others, and
    // shows it.
    void SetWindowPos(int x, int y, int width, int height);
    Rect GetClientRect() const;
    bool IsIconic() const;
    // Invalidates the rectangle (the whole client area when null) and paints it at once.
    void RedrawWindow(const Rect* rect = nullptr);
    // Scrolls the pixels inside area by (dx, dy) and returns the uncovered rectangle.
    Rect ScrollWindowRect(const Rect& area, int dx, int dy);
    // The rectangle the text takes in the font (as Canvas::MeasureText), whether or not the
    // window is ever painted; empty when there is no window.
    Rect MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) const;
    // Starts timer id (replacing one with the same id); returns id, or 0 when none was started.
    int SetTimer(int id, int periodMs);
    bool KillTimer(int id);
    void SetCursor(const Cursor& cursor);
    void SetIcon(int iconId);
    bool HasWindowMenu() const { return style_.windowMenu; }
    void AppendWindowMenuSeparator();
    void AppendWindowMenuItem(int command, const std::string& text);

    // Window, for the flows that hide and show windows they do not own.
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    void RedrawNow(const Rect* rect = nullptr) override;

    // Handlers, called by the host; the defaults do what a plain dialog does.
    virtual bool OnInitDialog() { return true; }
    virtual void OnPaint(Canvas& canvas);
    virtual void OnMouseMove(int x, int y);
    virtual void OnLButtonDown(int x, int y);
    virtual void OnLButtonDblClk(int x, int y);
    virtual void OnTimer(int id);
    // Returns true when it set the cursor; otherwise the host shows the arrow.
    virtual bool OnSetCursor() { return false; }
    // Window-menu commands; the default closes on kCommandClose.
    virtual void OnSysCommand(int command);
    virtual void OnDestroy() {}
    // The default makes Enter OnOK and Escape OnCancel, and ignores the other keys.
    virtual void OnKeyDown(Key key);
    virtual void OnOK() { EndDialog(kIdOk); }
    virtual void OnCancel() { EndDialog(kIdCancel); }

    // For screen readers: the window itself (by default a dialog named by its caption), the
    // parts it paints in reading order, and the action of item index (the parts' order).
    virtual AccessibleItem AccessibleWindow() const;
    virtual std::vector<AccessibleItem> AccessibleItems() const { return {}; }
    virtual void DoAccessibleAction(int /*index*/) {}
    // Tells the screen readers of a change to item index of AccessibleItems().
    void NotifyAccessible(int index, AccessibleChange change);

    const WindowStyle& style() const { return style_; }
    WindowHost* host() const { return host_.get(); }

  private:
    bool CreateHost(bool modal);

    WindowStyle style_;
    std::unique_ptr<WindowHost> host_;
    bool modal_ = false;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace platform::ui
