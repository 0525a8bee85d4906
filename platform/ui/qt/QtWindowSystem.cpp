#include "platform/ui/qt/QtWindowSystem.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

#include "platform/ui/qt/QtHost.h"
#include "platform/ui/qt/QtWaitPump.h"

namespace platform::ui::qt {

namespace {

constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;

QString ImagePath(const QString& name) {
    return QStringLiteral(":/velorin/images/") + name;
}

// Every picture is a PNG, read as one: left to guess, the toolkit would first load each of its
// image plugins to ask whether it reads the file, which holds back the splash.
QImage ReadPng(const QString& name) {
    QImageReader reader(ImagePath(name), "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
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

std::unique_ptr<WindowHost> QtWindowSystem::CreateHost(DialogWindow& window,
                                                       const WindowStyle& style, bool modal) {
    return std::make_unique<QtHost>(window, style, modal, *this);
}

Picture QtWindowSystem::LoadPicture(int id) {
    const QImage image = ReadPng(QStringLiteral("bitmap-%1.png").arg(id));
    if (image.isNull()) {
        return {};
    }
    return Picture(std::make_shared<QtPicture>(image.convertToFormat(QImage::Format_RGB32)));
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
    const QPixmap pixmap =
        QPixmap::fromImage(ReadPng(QStringLiteral("cursor-%1.png").arg(cursor.resourceId)));
    const QPoint hotspot = ReadHotspot(cursor.resourceId);
    QCursor loaded = pixmap.isNull() ? QCursor(Qt::PointingHandCursor)
                                     : QCursor(pixmap, hotspot.x(), hotspot.y());
    cursors_.emplace(cursor.resourceId, loaded);
    return loaded;
}

QIcon QtWindowSystem::LoadIcon(int id) const {
    QIcon icon;
    for (int size : {kIconSize, kSmallIconSize}) {
        const QPixmap pixmap =
            QPixmap::fromImage(ReadPng(QStringLiteral("icon-%1-%2.png").arg(id).arg(size)));
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

}  // namespace platform::ui::qt
