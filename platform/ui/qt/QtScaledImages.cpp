#include "platform/ui/qt/QtScaledImages.h"

#include <QFile>
#include <QImageReader>
#include <cmath>

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
    qreal nearest = kImageScales[0].scale;
    for (const ImageScale& candidate : kImageScales) {
        if (std::abs(candidate.scale - ratio) <= std::abs(nearest - ratio)) {
            nearest = candidate.scale;
        }
    }
    return nearest;
}

QImage ReadScaledPng(const QString& stem, qreal scale) {
    for (const ImageScale& candidate : kImageScales) {
        if (candidate.scale != scale || candidate.scale == 1.0) {
            continue;
        }
        const QString path = stem + QLatin1String(candidate.suffix) + QStringLiteral(".png");
        QImage image = QFile::exists(path) ? ReadPng(path) : QImage();
        if (!image.isNull()) {
            image.setDevicePixelRatio(scale);
            return image;
        }
    }
    return ReadPng(stem + QStringLiteral(".png"));
}

}  // namespace platform::ui::qt
