#pragma once
// The real window behind a DialogWindow. Everything the window paints goes into an image of its
// client area first, at the device pixel ratio: a partial redraw runs OnPaint clipped to its
// rectangle there, scrolling moves the image's pixels, and the screen is refreshed from the image.
// The window itself sees logical pixels only (its size, rectangles, mouse positions).
#include <QImage>
#include <QMenu>
#include <QRegion>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "platform/ui/DialogWindow.h"

class QEventLoop;

namespace platform::ui::qt {

class QtWindowSystem;

class QtHost final : public QWidget, public WindowHost {
  public:
    QtHost(DialogWindow& window, const WindowStyle& style, bool modal, QtWindowSystem& system);
    ~QtHost() override;

    void RunModal() override;
    void EndModal() override;
    void Show(ShowCommand command) override;
    bool IsVisible() const override;
    bool IsMinimized() const override;
    void Place(int x, int y, int width, int height) override;
    Rect ClientRect() const override;
    void Redraw(const Rect* rect) override;
    Rect Scroll(const Rect& area, int dx, int dy) override;
    Rect MeasureText(const FontSpec& font, std::string_view text, const Rect& rect) override;
    bool StartTimer(int id, int periodMs) override;
    bool StopTimer(int id) override;
    void SetCursor(const Cursor& cursor) override;
    void SetIcon(int iconId) override;
    void AppendWindowMenuItem(int command, const std::string& text) override;
    void NotifyAccessible(int index, AccessibleChange change) override;

    DialogWindow& dialogWindow() const { return window_; }

    // The window menu as built so far, for tests that look at its items.
    const QMenu& windowMenu() const { return *menu_; }
    // Shows the window menu at a global position and passes the chosen command on.
    void ShowWindowMenu(const QPoint& globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void ShowAboveBackdrop();
    void Withdraw();
    void ComeBackAbove();
    void PaintIntoImage(const QRegion& region);

    DialogWindow& window_;
    QtWindowSystem& system_;
    QImage image_;         // the client area as last painted, in device pixels
    QPointF scrollCarry_;  // image pixels the scrolls so far fell short of their logical distance
    QRegion painted_;      // the part of image_ painted since the window was last shown or resized
    QEventLoop* loop_ = nullptr;
    bool endRequested_ = false;
    std::map<int, int> timers_;  // the window's timer id -> the toolkit's timer id
    std::unique_ptr<QMenu> menu_;
    std::optional<QPoint> placed_;   // where Place() put the window, frame placement included
    bool watchingBackdrop_ = false;  // whether a focus given to the backdrop brings it back
};

}  // namespace platform::ui::qt

namespace platform::ui::qt {

// The real window of a layer window, or null when it has none (or is not a DialogWindow).
QWidget* OwnerWidget(Window* owner);

}  // namespace platform::ui::qt
