#include "tools/make-art/OptionsPanel.h"

#include "tools/make-art/Button.h"
#include "tools/make-art/Effects.h"
#include "tools/make-art/Layout.h"
#include "tools/make-art/Palette.h"

namespace art {
namespace {

// Labels start this far right of their region's left edge: the 10-pixel mark and a gap.
constexpr int kLabelIndent = kMarkSize + 4;

struct OptionLabel {
    LauncherRegion region;
    const char* text;
};
constexpr OptionLabel kOptionLabels[] = {
    {LauncherRegion::CharacterDialogue, "Character Dialogue"},
    {LauncherRegion::BackgroundSounds, "Background Sounds"},
    {LauncherRegion::LowResolution, "Low"},
    {LauncherRegion::MediumResolution, "Medium"},
    {LauncherRegion::HighResolution, "High"},
    {LauncherRegion::HardwareAcceleration, "Hardware Acceleration"},
    {LauncherRegion::BvhExport, "BVH Export Option"},
};

void DrawCard(QPainter& painter) {
    const QPainterPath card = RoundedRect(QRectF(8, 50, 240, 156), 10);
    DrawSoftShadow(painter, card, QPointF(1, 2), 5, QColor(110, 40, 0, 140));
    painter.fillPath(card, QColor(kPanelFill));
    painter.setPen(QPen(QColor(255, 236, 200), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedRect(QRectF(8.5, 50.5, 239, 155), 9.5));
}

// A heading in spaced capitals with a thin rule running on to the card's right edge.
void DrawHeading(QPainter& painter, int top, const QString& text) {
    QFont font = Font("DejaVu Sans", 10, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    const TextStyle style{font, QColor(kIndigo), Qt::transparent, Qt::AlignLeft | Qt::AlignVCenter};
    const QRectF box(16, top, 200, 12);
    DrawText(painter, box, text, style);
    const qreal ruleLeft = 16 + QFontMetricsF(font).horizontalAdvance(text) + 6;
    QLinearGradient rule(QPointF(ruleLeft, 0), QPointF(238, 0));
    rule.setColorAt(0.0, QColor(kIndigo));
    rule.setColorAt(1.0, QColor(52, 36, 160, 0));
    painter.fillRect(QRectF(ruleLeft, top + 6, 238 - ruleLeft, 1), rule);
}

void DrawLabels(QPainter& painter) {
    const TextStyle label{Font("DejaVu Sans", 11, QFont::Normal), QColor(kInk), Qt::transparent,
                          Qt::AlignLeft | Qt::AlignVCenter};
    for (const OptionLabel& option : kOptionLabels) {
        const QRect region = RegionRect(option.region);
        const QRectF box(region.left() + kLabelIndent, region.top() - 2, 200, kMarkSize + 4);
        DrawText(painter, box, option.text, label);
    }
    DrawText(painter, QRectF(16, 114, 220, 14), "Character Model Resolution", label);
}

}  // namespace

void DrawOptionsPanel(QPainter& painter, bool retestLit) {
    DrawCard(painter);
    DrawHeading(painter, 57, "AUDIO");
    DrawHeading(painter, 100, "GRAPHICS");
    DrawLabels(painter);
    // Pointing at the button repaints only its region, so the lit and the plain look may differ
    // only inside it: both are clipped to it.
    const QRect retest = RegionRect(LauncherRegion::RetestSystem);
    constexpr int kInset = 3;
    painter.save();
    painter.setClipRect(retest);
    DrawButton(painter, QRectF(retest).adjusted(kInset, kInset, -kInset + 1, -kInset + 1),
               {"RE-TEST SYSTEM", Glyph::None, 10},
               retestLit ? ButtonLook::Lit : ButtonLook::Plain);
    painter.restore();
}

}  // namespace art
