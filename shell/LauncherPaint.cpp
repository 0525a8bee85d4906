#include "shell/LauncherDlg.h"

namespace ui = platform::ui;
using resources::LauncherRegion;

namespace {

constexpr ui::Rect kHoverTextRect{resources::kHoverTextBox.left, resources::kHoverTextBox.top,
                                  resources::kHoverTextBox.right, resources::kHoverTextBox.bottom};
constexpr ui::Color kHoverBandBlue{62, 45, 178};
constexpr int kHoverTextPoints = 8;
constexpr int kPointsPerInch = 72;
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
    DrawHoverText(&dc);
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
