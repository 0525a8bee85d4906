#include "platform/ui/qt/QtScaledImages.h"

#include <QFile>
#include <QImageReader>

#include "platform/ui/PictureScales.h"

namespace platform::ui::qt {

namespace {

// Every picture is a PNG, read as one: left to guess, the toolkit would first load each of its
// image plugins to ask whether it reads the file, which holds back the splash.
QImage ReadPng(const QString& path) {
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

qreal NearestImageScale(qreal ratio) {
    return NearestPictureScale(ratio).factor;
}

QImage ReadScaledPng(const QString& stem, qreal scale) {
    for (const PictureScale& candidate : kPictureScales) {
        if (candidate.factor != scale || candidate.factor == 1.0) {
            continue;
        }
        const QString path = stem + QLatin1String(candidate.fileSuffix) + QStringLiteral(".png");
        QImage image = QFile::exists(path) ? ReadPng(path) : QImage();
        if (!image.isNull()) {
            image.setDevicePixelRatio(scale);
            return image;
        }
    }
    return ReadPng(stem + QStringLiteral(".png"));
}

}  // namespace platform::ui::qt
