#include "shell/LauncherDlg.h"

#include "resources/Strings.h"
#include "resources/WindowTemplates.h"
#include "settings/Settings.h"
#include "shell/AboutDlg.h"

namespace ui = platform::ui;
using resources::LauncherRegion;

namespace {

constexpr int kHandCursorId = 138;
constexpr int kMainPictureId = 131;
constexpr int kMarkOffPictureId = 133;
constexpr int kMarkOnPictureId = 134;
constexpr int kOptionsPictureId = 145;
constexpr int kOptionsRetestPictureId = 149;
constexpr int kAboutMenuTextId = 101;
constexpr int kFirstHoverTextId = 154;  // the buttons' texts, in the order of their regions

}  // namespace

CLauncherDlg::CLauncherDlg()
    : DialogWindow(resources::WindowStyleOf(resources::kLauncherTemplate)) {}

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

    const int width =
        resources::kLauncherWidth + 2 * ui::GetSystemMetric(ui::Metric::FixedFrameWidth);
    const int height = resources::kLauncherHeight + ui::GetSystemMetric(ui::Metric::CaptionHeight) +
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
    for (const resources::RegionBounds& b : resources::kLauncherRegions) {
        m_regions.push_back(std::make_unique<CHotRegion>(b.left, b.top, b.right, b.bottom));
    }
    for (int index = 0; index < resources::kLauncherButtonCount; ++index) {
        m_regions[index]->SetText(resources::LoadResourceString(kFirstHoverTextId + index));
    }
    HotRegion(LauncherRegion::CharacterDialogue).selected = GetAudioDialogue() != 0;
    HotRegion(LauncherRegion::BackgroundSounds).selected = GetAudioBackgroundSounds() != 0;
    ShowModelResolution(GetModelResolution());
    HotRegion(LauncherRegion::HardwareAcceleration).selected = GetHardwareAcceleration() != 0;
    HotRegion(LauncherRegion::BvhExport).selected = GetBvhExport() != 0;
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
