#include "tools/make-art/Button.h"

#include "tools/make-art/Effects.h"
#include "tools/make-art/Palette.h"

namespace art {
namespace {

struct Colours {
    QColor top, bottom, rim, text, textShadow;
};

// Plain buttons are indigo with white lettering; a lit one glows gold with indigo lettering.
Colours ColoursFor(ButtonLook look) {
    if (look == ButtonLook::Lit) {
        return {QColor(255, 240, 170), QColor(255, 178, 56), QColor(196, 96, 10),
                QColor(kIndigoDark), QColor(255, 255, 255, 160)};
    }
    return {QColor(kViolet), QColor(kIndigo), QColor(kIndigoDark), Qt::white, QColor(kIndigoDark)};
}

// The upper half of the button catches the light: a soft white sheen fading downwards.
void DrawSheen(QPainter& painter, const QPainterPath& body, QRectF rect) {
    QPainterPath upper;
    upper.addRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height() * 0.5));
    QLinearGradient sheen(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 120));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 16));
    painter.fillPath(body.intersected(upper), sheen);
}

// With a glyph, the glyph and the label sit left-aligned like a menu entry; without, the label is
// centred.
void DrawFace(QPainter& painter, QRectF rect, const ButtonFace& face, const Colours& colours) {
    QRectF textBox = rect;
    int alignment = Qt::AlignCenter;
    if (face.glyph != Glyph::None) {
        const qreal size = rect.height() * 0.5;
        const QRectF glyphBox(rect.left() + rect.height() * 0.42, rect.center().y() - size / 2,
                              size, size);
        const QPainterPath glyph = GlyphShape(face.glyph, glyphBox);
        painter.fillPath(glyph.translated(0.7, 0.7), colours.textShadow);
        painter.fillPath(glyph, colours.text);
        textBox.setLeft(glyphBox.right() + size * 0.5);
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
    const TextStyle text{Font("DejaVu Sans", face.fontPixels, QFont::Bold), colours.text,
                         colours.textShadow, alignment};
    DrawText(painter, textBox, face.label, text);
}

}  // namespace

void DrawButton(QPainter& painter, QRectF rect, const ButtonFace& face, ButtonLook look) {
    const Colours colours = ColoursFor(look);
    const QPainterPath body = RoundedRect(rect, rect.height() / 2);
    DrawSoftShadow(painter, body, QPointF(1, 2), 3, QColor(90, 30, 0, 150));
    if (look == ButtonLook::Lit) {
        DrawSoftShadow(painter, body, QPointF(0, 0), 5, QColor(255, 250, 210, 255));
    }
    FillVertical(painter, body, colours.top, colours.bottom);
    DrawSheen(painter, body, rect);
    painter.setPen(QPen(colours.rim, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), rect.height() / 2 - 0.5));
    DrawFace(painter, rect, face, colours);
}

}  // namespace art
