#include "tools/make-art/IntroPictures.h"

#include "tools/make-art/Effects.h"
#include "tools/make-art/Palette.h"
#include "tools/make-art/SmallPictures.h"
#include "tools/make-art/Stage.h"

namespace art {
namespace {

constexpr QSize kSplashSize(400, 250);
constexpr QSize kCreditsSize(640, 480);
// The credits draw white text on black boxes and scroll this area's pixels, so it stays black.
constexpr QRect kCreditsTextArea(QPoint(150, 125), QPoint(459, 331));
constexpr QSize kLogoSize(68, 55);

QImage NewPicture(QSize size, qreal scale) {
    QImage image = NewScaledImage(size, scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// A night sky over the stage, warming to orange at the horizon.
void DrawEveningSky(QPainter& painter, QRectF area, qreal horizon) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(kIndigoDark));
    sky.setColorAt(horizon * 0.7, QColor(kIndigo));
    sky.setColorAt(horizon, QColor(kGroundBottom));
    sky.setColorAt(1.0, QColor(120, 40, 20));
    painter.fillRect(area, sky);
}

// Small four-pointed twinkles scattered over the sky, at places fixed by a simple hash.
void DrawSparkles(QPainter& painter, QRectF sky, int count) {
    for (int i = 0; i < count; ++i) {
        const qreal u = ((i * 7919) % 1000) / 1000.0;
        const qreal v = ((i * 104729 + 331) % 997) / 997.0;
        const QPointF centre(sky.left() + u * sky.width(), sky.top() + v * v * sky.height());
        const qreal arm = 1.5 + (i % 3);
        QPainterPath star;
        star.moveTo(centre + QPointF(0, -arm));
        star.quadTo(centre, centre + QPointF(arm, 0));
        star.quadTo(centre, centre + QPointF(0, arm));
        star.quadTo(centre, centre + QPointF(-arm, 0));
        star.quadTo(centre, centre + QPointF(0, -arm));
        painter.fillPath(star, QColor(255, 250, 230, 120 + 40 * (i % 3)));
    }
}

void DrawWordmark(QPainter& painter, QRectF box, int pixels) {
    const QFont font = Font("DejaVu Sans", pixels, QFont::Black);
    QPainterPath word;
    const qreal width = QFontMetricsF(font).horizontalAdvance("Velorin");
    word.addText(box.center().x() - width / 2, box.bottom() - pixels * 0.25, font, "Velorin");
    DrawSoftShadow(painter, word, QPointF(0, 0), pixels / 5, QColor(255, 150, 40, 220));
    DrawSoftShadow(painter, word, QPointF(2, 3), 3, QColor(20, 8, 60, 200));
    FillVertical(painter, word, Qt::white, QColor(kGold));
}

void DrawCaption(QPainter& painter, QRectF box, const QString& text, int pixels) {
    QFont font = Font("DejaVu Sans", pixels, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    DrawText(painter, box, text, {font, QColor(kCream), QColor(20, 8, 60, 220), Qt::AlignCenter});
}

void DrawCreditsFrame(QPainter& painter) {
    const QRectF frame = QRectF(kCreditsTextArea).adjusted(-6, -6, 7, 7);
    const QPainterPath outline = RoundedRect(frame, 8);
    DrawSoftShadow(painter, outline, QPointF(0, 0), 8, QColor(255, 170, 60, 200));
    QLinearGradient rim(frame.topLeft(), frame.bottomRight());
    rim.setColorAt(0.0, QColor(kGold));
    rim.setColorAt(0.5, QColor(kGroundBottom));
    rim.setColorAt(1.0, QColor(kViolet));
    painter.fillPath(outline, rim);
    painter.fillPath(RoundedRect(frame.adjusted(3, 3, -3, -3), 5), Qt::black);
    painter.fillRect(kCreditsTextArea, Qt::black);
}

}  // namespace

QImage DrawSplash(qreal scale) {
    QImage image = NewPicture(kSplashSize, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), kSplashSize);
    DrawEveningSky(painter, area, 0.68);
    DrawSparkles(painter, QRectF(0, 0, 400, 110), 28);
    DrawSpotlight(painter, {{30, -4}, {150, 205}, 40, QColor(255, 236, 170, 110)});
    DrawSpotlight(painter, {{370, -4}, {250, 205}, 40, QColor(200, 190, 255, 110)});
    DrawFloor(painter,
              {QRectF(-40, 170, 480, 80), 240, 12, 5, QColor(255, 220, 160, 110), QColor(kGold)});
    DrawWordmark(painter, QRectF(0, 40, 400, 80), 64);
    DrawCaption(painter, QRectF(0, 122, 400, 18), "YOUR MUSIC  \u00b7  THEIR MOVES", 11);
    return image;
}

QImage DrawCreditsBackground(qreal scale) {
    QImage image = NewPicture(kCreditsSize, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), kCreditsSize);
    DrawEveningSky(painter, area, 0.78);
    DrawSparkles(painter, QRectF(0, 0, 640, 260), 50);
    DrawSpotlight(painter, {{40, -6}, {170, 420}, 60, QColor(255, 236, 170, 90)});
    DrawSpotlight(painter, {{600, -6}, {440, 420}, 60, QColor(200, 190, 255, 90)});
    DrawFloor(painter,
              {QRectF(-80, 374, 800, 106), 380, 16, 6, QColor(255, 220, 160, 110), QColor(kGold)});
    DrawWordmark(painter, QRectF(0, 30, 610, 72), 54);
    DrawCreditsFrame(painter);
    DrawCaption(painter, QRectF(0, 346, 610, 16), "THANK YOU FOR DANCING", 11);
    return image;
}

// The emblem over the name, fitted into the top 52 rows that the credits show.
QImage DrawLogo(qreal scale) {
    QImage image = NewPicture(kLogoSize, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    constexpr qreal kEmblem = 38;
    DrawEmblem(painter, QRectF((kLogoSize.width() - kEmblem) / 2, 1, kEmblem, kEmblem));
    QFont font = Font("DejaVu Sans", 9, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    DrawText(painter, QRectF(0, 40, kLogoSize.width(), 11), "VELORIN",
             {font, QColor(kGold), Qt::transparent, Qt::AlignCenter});
    return image;
}

}  // namespace art
