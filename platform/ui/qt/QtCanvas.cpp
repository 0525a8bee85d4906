#include "platform/ui/qt/QtCanvas.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "platform/ui/PrefixText.h"
#include "platform/ui/qt/QtConvert.h"
#include "platform/ui/qt/QtWindowSystem.h"

namespace platform::ui::qt {

namespace {

constexpr int kLogicalPixelsPerInch = 96;
constexpr int kDefaultFontPixels = 13;
constexpr int kIconPixels = 32;

QString FamilyFor(const std::string& face) {
    // The classic sans-serif faces are not installed here; Liberation Sans has Arial's metrics.
    if (face.empty() || face == "MS Sans Serif" || face == "Arial") {
        return QStringLiteral("Liberation Sans");
    }
    return QString::fromStdString(face);
}

QColor ToQColor(Color color) {
    return {color.red, color.green, color.blue};
}

QStringList ShownLines(std::string_view text) {
    return QString::fromStdString(RemovePrefixMarks(text)).split(QLatin1Char('\n'));
}

}  // namespace

QFont MakeFont(const FontSpec& wanted) {
    QFont font(FamilyFor(wanted.face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight > 0 ? wanted.weight : QFont::Normal));
    font.setUnderline(wanted.underline);
    if (wanted.height < 0) {
        font.setPixelSize(-wanted.height);
    } else if (wanted.height > 0) {
        // A cell height: scale the character height so ascent plus descent comes out at it.
        font.setPixelSize(wanted.height);
        const int cell = QFontMetrics(font).height();
        if (cell > 0 && cell != wanted.height) {
            const double scaled = static_cast<double>(wanted.height) * wanted.height / cell;
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(scaled))));
        }
    } else {
        font.setPixelSize(kDefaultFontPixels);
    }
    return font;
}

QtCanvas::QtCanvas(QPainter& painter, Rect clipBox, QtWindowSystem& system)
    : painter_(painter), clipBox_(clipBox), system_(system), font_(MakeFont(fontSpec_)) {
    painter_.save();
}

QtCanvas::~QtCanvas() {
    painter_.restore();
}

void QtCanvas::CopyPicture(const Picture& picture, const Rect& destination, int sourceX,
                           int sourceY) {
    const auto* data = static_cast<const QtPicture*>(picture.data());
    if (data == nullptr) {
        return;
    }
    // The source is in the picture's logical pixels; the scale drawn for this window's ratio
    // holds more of them per logical pixel.
    const qreal ratio = painter_.device()->devicePixelRatioF();
    const QImage& image = data->ImageFor(ratio);
    const qreal scale = image.devicePixelRatio();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, scale != ratio);
    const QRectF source(sourceX * scale, sourceY * scale, destination.Width() * scale,
                        destination.Height() * scale);
    painter_.drawImage(QRectF(ToQRect(destination)), image, source);
}

void QtCanvas::FillRect(const Rect& rect, Color color) {
    painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void QtCanvas::DrawIcon(int iconId, int x, int y) {
    const QPixmap icon = system_.LoadIcon(iconId).pixmap(QSize(kIconPixels, kIconPixels),
                                                         painter_.device()->devicePixelRatioF());
    painter_.drawPixmap(QRect(x, y, kIconPixels, kIconPixels), icon);
}

Color QtCanvas::SetTextColor(Color color) {
    return std::exchange(textColor_, color);
}

Color QtCanvas::SetBackgroundColor(Color color) {
    return std::exchange(backgroundColor_, color);
}

FontSpec QtCanvas::SelectFont(const FontSpec& font) {
    font_ = MakeFont(font);
    return std::exchange(fontSpec_, font);
}

int QtCanvas::DrawText(std::string_view text, const Rect& rect, TextAlign align) {
    const QFontMetrics metrics(font_);
    const int lineHeight = metrics.height();
    const QRect bounds = ToQRect(rect);
    painter_.save();
    painter_.setClipRect(bounds, Qt::IntersectClip);
    painter_.setFont(font_);
    painter_.setPen(ToQColor(textColor_));
    int top = rect.top;
    for (const QString& line : ShownLines(text)) {
        const int width = metrics.horizontalAdvance(line);
        const int left =
            align == TextAlign::Center ? rect.left + (rect.Width() - width) / 2 : rect.left;
        const QRect box(left, top, width, lineHeight);
        painter_.fillRect(box, ToQColor(backgroundColor_));
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
        top += lineHeight;
    }
    painter_.restore();
    return top - rect.top;
}

Rect MeasureLines(const QFont& font, std::string_view text, const Rect& rect) {
    const QFontMetrics metrics(font);
    const QStringList lines = ShownLines(text);
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int height = static_cast<int>(lines.size()) * metrics.height();
    return {rect.left, rect.top, rect.left + widest, rect.top + height};
}

Rect QtCanvas::MeasureText(std::string_view text, const Rect& rect) {
    return MeasureLines(font_, text, rect);
}

int QtCanvas::LogicalPixelsY() const {
    return kLogicalPixelsPerInch;
}

}  // namespace platform::ui::qt
