#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

namespace {

constexpr ui::Rect kHoverTextRect{5, 213, 253, 249};
constexpr ui::Color kHoverBandBlue{62, 45, 178};
constexpr int kHoverTextPoints = 8;
constexpr int kPointsPerInch = 72;
constexpr int kMarkSize = 10;
// The marks, in the order they are drawn.
constexpr int kMarkedRegions[] = {5, 6, 10, 7, 8, 9, 11};

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
    dc.CopyPicture(background, {0, 0, kClientWidth, kClientHeight});
    if (m_bOptionsShown) {
        for (int index : kMarkedRegions) {
            DrawOptionMark(dc, index);
        }
    }
    DrawHoverText(&dc);
}

void CLauncherDlg::DrawOptionMark(ui::Canvas& dc, int index) {
    if (index >= static_cast<int>(m_regions.size())) {
        return;
    }
    const CHotRegion& region = *m_regions[index];
    dc.CopyPicture(region.selected ? m_bmpMarkOn : m_bmpMarkOff,
                   {region.left, region.top, region.left + kMarkSize, region.top + kMarkSize});
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
