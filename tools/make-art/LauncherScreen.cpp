#include "tools/make-art/LauncherScreen.h"

#include "tools/make-art/Button.h"
#include "tools/make-art/Effects.h"
#include "tools/make-art/Layout.h"
#include "tools/make-art/OptionsPanel.h"
#include "tools/make-art/Palette.h"
#include "tools/make-art/Stage.h"

#include <array>

namespace art {
namespace {

constexpr std::array<const char*, 5> kButtonLabels{"Launch Velorin", "Set-Up Options", "Audio Test",
                                                   "Mixing Room", "Quit"};
constexpr int kButtonHeight = 24;
constexpr int kButtonLeft = 266;
constexpr int kButtonRight = 394;

void DrawGround(QPainter& painter) {
    const QRectF screen(0, 0, kScreenWidth, kScreenHeight);
    QLinearGradient ground(screen.topLeft(), screen.bottomLeft());
    ground.setColorAt(0.0, QColor(kGroundTop));
    ground.setColorAt(1.0, QColor(kGroundBottom));
    painter.fillRect(screen, ground);
    QRadialGradient light(QPointF(110, 30), 300);
    light.setColorAt(0.0, QColor(255, 240, 200, 110));
    light.setColorAt(1.0, QColor(255, 240, 200, 0));
    painter.fillRect(screen, light);
}

void DrawTitle(QPainter& painter) {
    TextStyle brand{Font("DejaVu Sans", 10, QFont::Bold), QColor(kIndigo), Qt::transparent,
                    Qt::AlignLeft | Qt::AlignTop};
    brand.font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    DrawText(painter, QRectF(16, 7, 200, 14), "VELORIN", brand);
    const TextStyle title{Font("DejaVu Sans", 28, QFont::Bold), Qt::white, QColor(120, 40, 0, 200),
                          Qt::AlignLeft | Qt::AlignTop};
    DrawText(painter, QRectF(13, 15, 240, 36), "Launcher", title);
}

// The hover text is drawn on boxes of the band's own blue, so the band is one flat colour; only
// its shadow on the ground and a gold rule above it frame it.
void DrawBand(QPainter& painter) {
    constexpr qreal kCornerRadius = 8;
    QPainterPath band;
    band.moveTo(0, kBandTop);
    band.lineTo(kBandRight - kCornerRadius, kBandTop);
    band.quadTo(kBandRight, kBandTop, kBandRight, kBandTop + kCornerRadius);
    band.lineTo(kBandRight, kScreenHeight);
    band.lineTo(0, kScreenHeight);
    band.closeSubpath();
    DrawSoftShadow(painter, band, QPointF(1, -1), 4, QColor(90, 30, 0, 150));
    painter.fillPath(band, QColor(kBandBlue));
}

void DrawButtons(QPainter& painter, bool setUpLit) {
    for (int index = 0; index < int(kButtonLabels.size()); ++index) {
        const Region& region = kRegions[index];
        const qreal top = (region.top + region.bottom - kButtonHeight) / 2.0;
        const QRectF rect(kButtonLeft, top, kButtonRight - kButtonLeft, kButtonHeight);
        const bool lit = setUpLit && index == kSetUpOptionsRegion;
        DrawButton(painter, rect, kButtonLabels[index], lit ? ButtonLook::Lit : ButtonLook::Plain,
                   11);
    }
}

// Without the panel, the left half shows a small dance stage under two spotlights.
void DrawStage(QPainter& painter) {
    DrawSpotlight(painter, {{40, 46}, {100, 176}, 34, QColor(255, 252, 230, 120)});
    DrawSpotlight(painter, {{220, 46}, {150, 182}, 34, QColor(255, 252, 230, 110)});
    DrawFloor(painter,
              {QRectF(6, 150, 244, 56), 150, 8, 4, QColor(255, 255, 255, 90), QColor(kVioletLit)});
    const TextStyle tagline{Font("DejaVu Sans", 12, QFont::Bold), QColor(kIndigoDark),
                            QColor(255, 240, 200, 180), Qt::AlignCenter};
    DrawText(painter, QRectF(0, 92, 256, 20), "Your music. Their moves.", tagline);
}

}  // namespace

QImage DrawLauncherScreen(PanelState state) {
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawGround(painter);
    DrawTitle(painter);
    if (state == PanelState::Hidden) {
        DrawStage(painter);
    } else {
        DrawOptionsPanel(painter, state == PanelState::RetestLit);
    }
    DrawBand(painter);
    DrawButtons(painter, state != PanelState::Hidden);
    return image;
}

}  // namespace art
