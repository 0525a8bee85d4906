#include "platform/ui/qt/QtWindowSystem.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

#include "platform/ui/qt/QtHost.h"
#include "platform/ui/qt/QtScaledImages.h"
#include "platform/ui/qt/QtWaitPump.h"

namespace platform::ui::qt {

namespace {

constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;

QString ImagePath(const QString& name) {
    return QStringLiteral(":/velorin/images/") + name;
}

// The scale a toolkit-drawn resource (cursor, icon) is taken at: the screens' own ratio.
qreal ApplicationScale() {
    return NearestImageScale(qApp->devicePixelRatio());
}

QPoint ReadHotspot(int id) {
    QFile file(ImagePath(QStringLiteral("cursor-%1.hotspot").arg(id)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {0, 0};
    }
    QTextStream in(&file);
    int x = 0;
    int y = 0;
    in >> x >> y;
    return {x, y};
}

}  // namespace

QtPicture::QtPicture(QString stem, QImage oneX) : stem_(std::move(stem)), size_(oneX.size()) {
    scales_.emplace(1.0, std::move(oneX));
}

const QImage& QtPicture::ImageFor(qreal ratio) const {
    const qreal scale = NearestImageScale(ratio);
    auto found = scales_.find(scale);
    if (found == scales_.end()) {
        QImage image = ReadScaledPng(stem_, scale).convertToFormat(QImage::Format_RGB32);
        found = scales_.emplace(scale, image.isNull() ? scales_.at(1.0) : std::move(image)).first;
    }
    return found->second;
}

std::unique_ptr<WindowHost> QtWindowSystem::CreateHost(DialogWindow& window,
                                                       const WindowStyle& style, bool modal) {
    return std::make_unique<QtHost>(window, style, modal, *this);
}

Picture QtWindowSystem::LoadPicture(int id) {
    const QString stem = ImagePath(QStringLiteral("bitmap-%1").arg(id));
    const QImage image = ReadScaledPng(stem, 1.0);
    if (image.isNull()) {
        return {};
    }
    return Picture(std::make_shared<QtPicture>(stem, image.convertToFormat(QImage::Format_RGB32)));
}

void QtWindowSystem::HandleEventsWithoutInput(std::chrono::milliseconds most) {
    qt::HandleEventsWithoutInput(most);
}

int QtWindowSystem::GetMetric(Metric metric) const {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    switch (metric) {
        case Metric::ScreenWidth:
            return screen.width();
        case Metric::ScreenHeight:
            return screen.height();
        case Metric::IconWidth:
        case Metric::IconHeight:
            return kIconSize;
        case Metric::FixedFrameWidth:
        case Metric::FixedFrameHeight:
        case Metric::CaptionHeight:
            // Hosts size the client area themselves; the window manager adds its frame outside.
            return 0;
    }
    return 0;
}

QCursor QtWindowSystem::ResolveCursor(const Cursor& cursor) {
    switch (cursor.kind) {
        case Cursor::Kind::Arrow:
            return QCursor(Qt::ArrowCursor);
        case Cursor::Kind::Wait:
            return QCursor(Qt::WaitCursor);
        case Cursor::Kind::Resource:
            break;
    }
    auto found = cursors_.find(cursor.resourceId);
    if (found != cursors_.end()) {
        return found->second;
    }
    const QPixmap pixmap = QPixmap::fromImage(ReadScaledPng(
        ImagePath(QStringLiteral("cursor-%1").arg(cursor.resourceId)), ApplicationScale()));
    const QPoint hotspot = ReadHotspot(cursor.resourceId);
    QCursor loaded = pixmap.isNull() ? QCursor(Qt::PointingHandCursor)
                                     : QCursor(pixmap, hotspot.x(), hotspot.y());
    cursors_.emplace(cursor.resourceId, loaded);
    return loaded;
}

QIcon QtWindowSystem::LoadIcon(int id) const {
    QIcon icon;
    for (int size : {kIconSize, kSmallIconSize}) {
        const QString stem = ImagePath(QStringLiteral("icon-%1-%2").arg(id).arg(size));
        for (const qreal scale : {1.0, ApplicationScale()}) {
            const QPixmap pixmap = QPixmap::fromImage(ReadScaledPng(stem, scale));
            if (!pixmap.isNull() && (scale == 1.0 || pixmap.devicePixelRatio() > 1.0)) {
                icon.addPixmap(pixmap);
            }
        }
    }
    return icon;
}

}  // namespace platform::ui::qt
