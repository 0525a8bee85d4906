#pragma once
// The Qt 6 Widgets backend of the window layer: hosts for DialogWindows and the resources they
// draw with, read from the images compiled into the program (":/velorin/images/").
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <map>

#include "platform/ui/WindowSystem.h"

namespace platform::ui::qt {

// A picture's size is its 1x size in logical pixels; the larger scales are read when a window of
// a higher device pixel ratio first draws it.
class QtPicture final : public PictureData {
  public:
    QtPicture(QString stem, QImage oneX);
    int Width() const override { return size_.width(); }
    int Height() const override { return size_.height(); }
    // The picture drawn for a device pixel ratio, with that scale as its own ratio.
    const QImage& ImageFor(qreal ratio) const;

  private:
    QString stem_;
    QSize size_;
    mutable std::map<qreal, QImage> scales_;
};

class QtWindowSystem final : public WindowSystem {
  public:
    std::unique_ptr<WindowHost> CreateHost(DialogWindow& window, const WindowStyle& style,
                                           bool modal) override;
    Picture LoadPicture(int id) override;
    int GetMetric(Metric metric) const override;
    void HandleEventsWithoutInput(std::chrono::milliseconds most) override;

    // A cursor resource that is missing shows the toolkit's pointing hand in its place.
    QCursor ResolveCursor(const Cursor& cursor);
    QIcon LoadIcon(int id) const;

    // The window shown full-screen, which the others are kept above; null while there is none.
    void SetBackdrop(QWidget* backdrop) { backdrop_ = backdrop; }
    QWidget* Backdrop() const { return backdrop_; }

  private:
    std::map<int, QCursor> cursors_;
    QPointer<QWidget> backdrop_;
};

}  // namespace platform::ui::qt
