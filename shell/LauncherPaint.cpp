#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

namespace {

constexpr ui::Rect kHoverTextRect{5, 213, 253, 249};
constexpr ui::Color kHoverBandBlue{62, 45, 178};
constexpr int kHoverTextPoints = 8;
constexpr int kPointsPerInch = 72;
constexpr int kMarkSize = 10;
constexpr ui::Color kFocusMarkColor{0, 0, 0};
// The marks, in the order they are drawn.
constexpr int kMarkedRegions[] = {5, 6, 10, 7, 8, 9, 11};

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
    dc.CopyPicture(background, {0, 0, kClientWidth, kClientHeight});
    if (m_bOptionsShown) {
        for (int index : kMarkedRegions) {
            DrawOptionMark(dc, index);
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
