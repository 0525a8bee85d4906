#include "tools/make-art/Effects.h"

#include <QImage>
#include <cstddef>
#include <vector>

namespace art {
namespace {

// One box-blur pass over a line of premultiplied pixels, `count` pixels `stride` apart: a running
// sum over the window, with transparent pixels beyond both ends.
void BlurLine(QRgb* line, int count, int stride, int radius, std::vector<QRgb>& scratch) {
    scratch.resize(count);
    for (int i = 0; i < count; ++i) {
        scratch[i] = line[static_cast<std::ptrdiff_t>(i) * stride];
    }
    const int window = 2 * radius + 1;
    int sum[4] = {0, 0, 0, 0};
    const auto add = [&sum](QRgb pixel, int sign) {
        sum[0] += sign * qAlpha(pixel);
        sum[1] += sign * qRed(pixel);
        sum[2] += sign * qGreen(pixel);
        sum[3] += sign * qBlue(pixel);
    };
    for (int k = 0; k < std::min(radius, count); ++k) {
        add(scratch[k], +1);
    }
    for (int i = 0; i < count; ++i) {
        if (i + radius < count) {
            add(scratch[i + radius], +1);
        }
        if (i - radius - 1 >= 0) {
            add(scratch[i - radius - 1], -1);
        }
        line[static_cast<std::ptrdiff_t>(i) * stride] =
            qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
    }
}

// Three box passes in each direction approximate a Gaussian blur.
void Blur(QImage& image, int radius) {
    const int width = image.width();
    const int height = image.height();
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    const int stride = static_cast<int>(image.bytesPerLine() / sizeof(QRgb));
    std::vector<QRgb> scratch;
    constexpr int kPasses = 3;
    const int passRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < kPasses; ++pass) {
        for (int y = 0; y < height; ++y) {
            BlurLine(pixels + static_cast<std::ptrdiff_t>(y) * stride, width, 1, passRadius,
                     scratch);
        }
        for (int x = 0; x < width; ++x) {
            BlurLine(pixels + x, height, stride, passRadius, scratch);
        }
    }
}

}  // namespace

void DrawBlurred(QPainter& painter, QRect area, int radius,
                 const std::function<void(QPainter&)>& paint) {
    const QRect grown = area.adjusted(-2 * radius, -2 * radius, 2 * radius, 2 * radius);
    // The layer has the picture's pixels, and the blur reaches as far on the picture at any scale.
    const qreal scale = painter.device()->devicePixelRatioF();
    QImage layer(grown.size() * scale, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(scale);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::Antialiasing);
        layerPainter.setRenderHint(QPainter::TextAntialiasing);
        layerPainter.translate(-grown.topLeft());
        paint(layerPainter);
    }
    Blur(layer, qRound(radius * scale));
    painter.drawImage(grown.topLeft(), layer);
}

void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int radius,
                    QColor colour) {
    const QPainterPath moved = shape.translated(offset);
    DrawBlurred(painter, moved.boundingRect().toAlignedRect(), radius,
                [&](QPainter& layer) { layer.fillPath(moved, colour); });
}

void FillVertical(QPainter& painter, const QPainterPath& shape, QColor top, QColor bottom) {
    const QRectF bounds = shape.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.fillPath(shape, gradient);
}

QPainterPath RoundedRect(QRectF rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void DrawText(QPainter& painter, QRectF box, const QString& text, const TextStyle& style) {
    if (style.shadow.alpha() > 0) {
        constexpr int kShadowBlur = 2;
        const QRectF shadowBox = box.translated(1, 1);
        DrawBlurred(painter, shadowBox.toAlignedRect(), kShadowBlur, [&](QPainter& layer) {
            layer.setFont(style.font);
            layer.setPen(style.shadow);
            layer.drawText(shadowBox, style.flags, text);
        });
    }
    painter.setFont(style.font);
    painter.setPen(style.colour);
    painter.drawText(box, style.flags, text);
}

QFont Font(const QString& family, int pixelSize, int weight) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QImage NewScaledImage(QSize size, qreal scale, QImage::Format format) {
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace art
