#include "shell/LauncherDlg.h"

#include "resources/Strings.h"
#include "settings/Settings.h"
#include "shell/AboutDlg.h"

namespace ui = platform::ui;

namespace {

constexpr int kHandCursorId = 138;
constexpr int kMainPictureId = 131;
constexpr int kMarkOffPictureId = 133;
constexpr int kMarkOnPictureId = 134;
constexpr int kOptionsPictureId = 145;
constexpr int kOptionsRetestPictureId = 149;
constexpr int kAboutMenuTextId = 101;
constexpr int kFirstHoverTextId = 154;  // the texts of regions 0 to 4, in order

struct RegionBounds {
    int left, top, right, bottom;
};

constexpr RegionBounds kRegionBounds[CLauncherDlg::kRegionCount] = {
    {260, 50, 400, 75},   {260, 90, 400, 115},  {260, 130, 400, 160}, {260, 170, 400, 200},
    {260, 210, 400, 240}, {16, 72, 165, 82},    {16, 85, 171, 95},    {26, 131, 69, 141},
    {83, 131, 145, 141},  {160, 131, 203, 141}, {16, 150, 190, 160},  {16, 162, 166, 172},
    {17, 180, 175, 204},
};

}  // namespace

CLauncherDlg::CLauncherDlg()
    : DialogWindow({"Velorin Launcher", ui::FrameKind::Caption, /*windowMenu=*/true,
                    /*taskbarButton=*/true}) {}

bool CLauncherDlg::OnInitDialog() {
    DialogWindow::OnInitDialog();
    if (HasWindowMenu()) {
        const std::string_view about = resources::LoadResourceString(kAboutMenuTextId);
        if (!about.empty()) {
            AppendWindowMenuSeparator();
            AppendWindowMenuItem(IDM_ABOUTBOX, std::string(about));
        }
    }
    SetIcon(m_hIcon);

    const int width = kClientWidth + 2 * ui::GetSystemMetric(ui::Metric::FixedFrameWidth);
    const int height = kClientHeight + ui::GetSystemMetric(ui::Metric::CaptionHeight) +
                       2 * ui::GetSystemMetric(ui::Metric::FixedFrameHeight);
    SetWindowPos((ui::GetSystemMetric(ui::Metric::ScreenWidth) - width) / 2,
                 (ui::GetSystemMetric(ui::Metric::ScreenHeight) - height) / 2, width, height);

    BuildHotRegions();
    m_hHandCursor = ui::LoadCursorResource(kHandCursorId);
    m_bmpMain = ui::LoadPicture(kMainPictureId);
    m_bmpMarkOff = ui::LoadPicture(kMarkOffPictureId);
    m_bmpMarkOn = ui::LoadPicture(kMarkOnPictureId);
    m_bmpOptions = ui::LoadPicture(kOptionsPictureId);
    m_bmpOptionsRetest = ui::LoadPicture(kOptionsRetestPictureId);

    m_bAnalysedHardwareAcceleration = GetHardwareAcceleration();
    m_nAnalysedModelResolution = GetModelResolution();
    return true;
}

void CLauncherDlg::BuildHotRegions() {
    auto add = [this](int index) {
        const RegionBounds& b = kRegionBounds[index];
        m_regions.push_back(std::make_unique<CHotRegion>(b.left, b.top, b.right, b.bottom));
        return m_regions.back().get();
    };
    for (int index = 0; index < kButtonCount; ++index) {
        add(index)->SetText(resources::LoadResourceString(kFirstHoverTextId + index));
    }
    add(5)->selected = GetAudioDialogue() != 0;
    add(6)->selected = GetAudioBackgroundSounds() != 0;
    m_nModelResolution = GetModelResolution();
    for (int choice = 0; choice < 3; ++choice) {
        add(7 + choice)->selected = m_nModelResolution == choice;
    }
    add(10)->selected = GetHardwareAcceleration() != 0;
    add(11)->selected = GetBvhExport() != 0;
    add(kRetestRegion);
}

void CLauncherDlg::OnSysCommand(int command) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal(this);
        return;
    }
    DialogWindow::OnSysCommand(command);
}

void CLauncherDlg::OnDestroy() {
    DialogWindow::OnDestroy();
    SetInvokedByLauncher(0);
    m_pHotRegion = nullptr;
    m_bFocusShown = false;
    m_regions.clear();
}
