#include "shell/LauncherDlg.h"

namespace ui = platform::ui;
using resources::LauncherRegion;

namespace {

constexpr ui::Rect kHoverTextRect{resources::kHoverTextBox.left, resources::kHoverTextBox.top,
                                  resources::kHoverTextBox.right, resources::kHoverTextBox.bottom};
constexpr ui::Color kHoverBandBlue{resources::kBandBlue.red, resources::kBandBlue.green,
                                   resources::kBandBlue.blue};
constexpr int kHoverTextPoints = 8;
constexpr int kPointsPerInch = 72;
constexpr ui::Color kFocusMarkColor{0, 0, 0};
// The marks, in the order they are drawn.
constexpr LauncherRegion kMarkedRegions[] = {
    LauncherRegion::CharacterDialogue,
    LauncherRegion::BackgroundSounds,
    LauncherRegion::HardwareAcceleration,
    LauncherRegion::LowResolution,
    LauncherRegion::MediumResolution,
    LauncherRegion::HighResolution,
    LauncherRegion::BvhExport,
};

// number * numerator / denominator, rounded to the nearest integer.
int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

// A one-pixel frame just outside the region, so that it hides none of the region's own picture.
ui::Rect FocusFrame(const CHotRegion& region) {
    return {region.left - 1, region.top - 1, region.right + 1, region.bottom + 1};
}

}  // namespace

void CLauncherDlg::OnPaint(ui::Canvas& dc) {
    if (IsIconic()) {
        const ui::Rect client = GetClientRect();
        dc.DrawIcon(m_hIcon, (client.Width() - ui::GetSystemMetric(ui::Metric::IconWidth) + 1) / 2,
                    (client.Height() - ui::GetSystemMetric(ui::Metric::IconHeight) + 1) / 2);
        return;
    }
    const ui::Picture& background = !m_bOptionsShown ? m_bmpMain
                                    : m_bRetestHot   ? m_bmpOptionsRetest
                                                     : m_bmpOptions;
    dc.CopyPicture(background, {0, 0, resources::kLauncherWidth, resources::kLauncherHeight});
    if (m_bOptionsShown) {
        for (LauncherRegion option : kMarkedRegions) {
            DrawOptionMark(dc, option);
        }
    }
    DrawFocusMark(dc);
    DrawHoverText(&dc);
}

void CLauncherDlg::DrawFocusMark(ui::Canvas& dc) const {
    if (!m_bFocusShown || m_pHotRegion == nullptr) {
        return;
    }
    const ui::Rect frame = FocusFrame(*m_pHotRegion);
    dc.FillRect({frame.left, frame.top, frame.right, frame.top + 1}, kFocusMarkColor);
    dc.FillRect({frame.left, frame.bottom - 1, frame.right, frame.bottom}, kFocusMarkColor);
    dc.FillRect({frame.left, frame.top, frame.left + 1, frame.bottom}, kFocusMarkColor);
    dc.FillRect({frame.right - 1, frame.top, frame.right, frame.bottom}, kFocusMarkColor);
}

void CLauncherDlg::RedrawFocusMark(const CHotRegion& region) {
    const ui::Rect frame = FocusFrame(region);
    RedrawWindow(&frame);
}

void CLauncherDlg::DrawOptionMark(ui::Canvas& dc, LauncherRegion option) {
    if (resources::IndexOf(option) >= static_cast<int>(m_regions.size())) {
        return;
    }
    const CHotRegion& region = HotRegion(option);
    dc.CopyPicture(region.selected ? m_bmpMarkOn : m_bmpMarkOff, region.MarkBounds());
}

void CLauncherDlg::DrawHoverText(ui::Canvas* dc) {
    if (dc == nullptr) {
        return;
    }
    const ui::Color oldBackground = dc->SetBackgroundColor(kHoverBandBlue);
    const ui::Color oldText = dc->SetTextColor(ui::kWhite);
    const int height = -MulDiv(kHoverTextPoints, dc->LogicalPixelsY(), kPointsPerInch);
    const ui::FontSpec oldFont = dc->SelectFont({"MS Sans Serif", height});
    dc->DrawText(m_strHoverText, kHoverTextRect, ui::TextAlign::Center);
    dc->SelectFont(oldFont);
    dc->SetTextColor(oldText);
    dc->SetBackgroundColor(oldBackground);
}
