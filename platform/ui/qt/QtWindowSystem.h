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

class QtPicture final : public PictureData {
  public:
    explicit QtPicture(QImage image) : image_(std::move(image)) {}
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    const QImage& image() const { return image_; }

  private:
    QImage image_;
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
