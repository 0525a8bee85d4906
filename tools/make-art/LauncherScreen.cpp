#include "tools/make-art/LauncherScreen.h"

#include "tools/make-art/Button.h"
#include "tools/make-art/Effects.h"
#include "tools/make-art/Layout.h"
#include "tools/make-art/OptionsPanel.h"
#include "tools/make-art/Palette.h"
#include "tools/make-art/SmallPictures.h"
#include "tools/make-art/Stage.h"

#include <array>
#include <cmath>
#include <tuple>

namespace art {
namespace {

// The five buttons, top to bottom, in the order of their regions.
const std::array<ButtonFace, resources::kLauncherButtonCount> kButtons{{
    {"Launch Velorin", Glyph::Play},
    {"Set-Up Options", Glyph::Gear},
    {"Audio Test", Glyph::Speaker},
    {"Mixing Room", Glyph::Faders},
    {"Quit", Glyph::Power},
}};
constexpr int kButtonHeight = 24;
constexpr int kButtonLeft = 263;
constexpr int kButtonRight = 397;

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
    const QPainterPath badge = RoundedRect(QRectF(12, 9, 34, 34), 17);
    DrawSoftShadow(painter, badge, QPointF(1, 2), 3, QColor(120, 40, 0, 160));
    DrawEmblem(painter, QRectF(12, 9, 34, 34));
    TextStyle brand{Font("DejaVu Sans", 10, QFont::Bold), QColor(kIndigo), Qt::transparent,
                    Qt::AlignLeft | Qt::AlignTop};
    brand.font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    DrawText(painter, QRectF(54, 7, 200, 14), "VELORIN", brand);
    const TextStyle title{Font("DejaVu Sans", 28, QFont::Bold), Qt::white, QColor(120, 40, 0, 200),
                          Qt::AlignLeft | Qt::AlignTop};
    DrawText(painter, QRectF(51, 15, 200, 36), "Launcher", title);
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
    painter.fillPath(band.translated(0, -2), QColor(kGold));
    painter.fillPath(band, QColor(kBandBlue));
}

// Two sound waves drifting across the top right, over the buttons.
void DrawWaves(QPainter& painter) {
    constexpr qreal kLeft = 236, kRight = 400, kMiddle = 26;
    for (const auto& [amplitude, cycles, alpha] :
         {std::tuple{9.0, 2.5, 120}, std::tuple{6.0, 4.0, 80}}) {
        QPainterPath wave;
        for (int step = 0; kLeft + step <= kRight; ++step) {
            const qreal x = kLeft + step;
            const qreal along = (x - kLeft) / (kRight - kLeft);
            const qreal y = kMiddle + amplitude * std::sin(along * cycles * 2 * 3.14159265) *
                                          std::sin(along * 3.14159265);
            step == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
        }
        painter.setPen(QPen(QColor(255, 255, 255, alpha), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(wave);
    }
}

void DrawButtons(QPainter& painter, bool setUpLit) {
    for (int index = 0; index < int(kButtons.size()); ++index) {
        const auto region = static_cast<LauncherRegion>(index);
        const resources::RegionBounds& bounds = resources::BoundsOf(region);
        const qreal top = (bounds.top + bounds.bottom - kButtonHeight) / 2.0;
        const QRectF rect(kButtonLeft, top, kButtonRight - kButtonLeft, kButtonHeight);
        const bool lit = setUpLit && region == LauncherRegion::SetUpOptions;
        DrawButton(painter, rect, kButtons[index], lit ? ButtonLook::Lit : ButtonLook::Plain);
    }
}

// A row of level bars standing on the stage's far edge, like a spectrum display.
void DrawLevelBars(QPainter& painter) {
    constexpr int kBars = 15;
    constexpr qreal kLeft = 38, kPitch = 12, kWidth = 8, kBase = 151;
    QLinearGradient fill(QPointF(0, 100), QPointF(0, kBase));
    fill.setColorAt(0.0, QColor(255, 255, 255, 190));
    fill.setColorAt(1.0, QColor(156, 142, 255, 90));
    for (int bar = 0; bar < kBars; ++bar) {
        const qreal level = 0.5 + 0.3 * std::sin(bar * 0.9) + 0.2 * std::sin(bar * 2.3 + 1);
        const qreal height = 8 + 40 * level;
        painter.fillPath(
            RoundedRect(QRectF(kLeft + bar * kPitch, kBase - height, kWidth, height), 2), fill);
    }
}

// Without the panel, the left half shows a small dance stage under two spotlights.
void DrawStage(QPainter& painter) {
    const TextStyle tagline{Font("DejaVu Sans", 12, QFont::Bold), QColor(kIndigoDark),
                            QColor(255, 240, 200, 180), Qt::AlignCenter};
    DrawText(painter, QRectF(0, 58, 256, 20), "Your music. Their moves.", tagline);
    DrawLevelBars(painter);
    DrawSpotlight(painter, {{30, 0}, {100, 178}, 32, QColor(255, 252, 230, 110)});
    DrawSpotlight(painter, {{226, 0}, {156, 182}, 32, QColor(255, 252, 230, 100)});
    DrawFloor(painter, {QRectF(6, 151, 244, 56), 150, 8, 4, QColor(255, 255, 255, 90),
                        QColor(255, 250, 220, 170)});
}

}  // namespace

QImage DrawLauncherScreen(PanelState state, qreal scale) {
    QImage image = NewScaledImage({kScreenWidth, kScreenHeight}, scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawGround(painter);
    DrawTitle(painter);
    DrawWaves(painter);
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
