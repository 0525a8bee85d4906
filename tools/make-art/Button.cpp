#include "tools/make-art/Button.h"

#include "tools/make-art/Effects.h"
#include "tools/make-art/Palette.h"

namespace art {
namespace {

// The upper half of the button catches the light: a soft white sheen fading downwards.
void DrawSheen(QPainter& painter, const QPainterPath& body, QRectF rect) {
    QPainterPath upper;
    upper.addRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height() * 0.5));
    QLinearGradient sheen(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 110));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 18));
    painter.fillPath(body.intersected(upper), sheen);
}

}  // namespace

void DrawButton(QPainter& painter, QRectF rect, const QString& label, ButtonLook look,
                int fontPixels) {
    const bool lit = look == ButtonLook::Lit;
    const QPainterPath body = RoundedRect(rect, rect.height() / 2);
    DrawSoftShadow(painter, body, QPointF(1, 2), 3, QColor(90, 30, 0, 150));
    if (lit) {
        DrawSoftShadow(painter, body, QPointF(0, 0), 4, QColor(255, 236, 150, 230));
    }
    FillVertical(painter, body, QColor(lit ? kVioletLit : kViolet),
                 QColor(lit ? kViolet : kIndigo));
    DrawSheen(painter, body, rect);
    painter.setPen(QPen(lit ? QColor(kGold) : QColor(kIndigoDark), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), rect.height() / 2 - 0.5));
    TextStyle text{Font("DejaVu Sans", fontPixels, QFont::Bold), lit ? QColor(kGold) : Qt::white,
                   QColor(kIndigoDark), Qt::AlignCenter};
    DrawText(painter, rect, label, text);
}

}  // namespace art
