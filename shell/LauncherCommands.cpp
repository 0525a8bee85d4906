#include <algorithm>
#include <iterator>

#include "platform/sound/Sound.h"
#include "settings/Settings.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;
namespace sound = platform::sound;

namespace {

constexpr int kMarkSize = 10;
// Covers the three model-resolution marks.
constexpr ui::Rect kResolutionMarks{25, 129, 175, 141};
constexpr int kFirstResolutionRegion = 7;
constexpr int kResolutionCount = 3;
// The order in which a click's region is looked for: the panel first while it shows, then the
// buttons. Region 1 is in both lists; its command is the same either way.
constexpr int kPanelOrder[] = {1, 12, 7, 8, 9, 5, 6, 10, 11};
constexpr int kButtonOrder[] = {4, 0, 1, 3, 2};

}  // namespace

void CLauncherDlg::HandleClick() {
    if (m_pHotRegion == nullptr) {
        return;
    }
    sound::PlaySound(".\\Sounds\\Sys\\S0\\click.wav", sound::SoundFlags::FileName);
    auto find = [this](const auto& order) {
        auto found = std::find_if(std::begin(order), std::end(order), [this](int index) {
            return index < static_cast<int>(m_regions.size()) &&
                   m_regions[index].get() == m_pHotRegion;
        });
        return found != std::end(order) ? *found : -1;
    };
    int index = m_bOptionsShown ? find(kPanelOrder) : -1;
    if (index < 0) {
        index = find(kButtonOrder);
    }
    if (index >= 0) {
        RunCommand(index);
    }
}

void CLauncherDlg::RunCommand(int index) {
    switch (index) {
        case 0:
            m_strHoverText.clear();
            ClosePanel();
            LaunchVelorin();
            return;
        case 1:
            m_bOptionsShown = !m_bOptionsShown;
            RedrawWindow();
            NotifyAccessible(index, ui::AccessibleChange::Items);
            return;
        case 2:
            RunAudioTest();
            return;
        case 3:
            ClosePanel();
            RunMixingTool();
            return;
        case 4:
            ClosePanel();
            EndDialog(0);
            return;
        case 5:
            ToggleOption(index, SetAudioDialogue);
            return;
        case 6:
            ToggleOption(index, SetAudioBackgroundSounds);
            return;
        case 10:
            ToggleOption(index, SetHardwareAcceleration);
            return;
        case 11:
            ToggleOption(index, SetBvhExport);
            return;
        case kRetestRegion:
            RetestComputer();
            return;
        default:
            ChooseModelResolution(static_cast<std::int16_t>(index - kFirstResolutionRegion));
            return;
    }
}

void CLauncherDlg::ClosePanel() {
    if (m_bOptionsShown) {
        m_bOptionsShown = false;
        RedrawWindow();
        NotifyAccessible(1, ui::AccessibleChange::Items);
    }
}

void CLauncherDlg::ToggleOption(int index, void (*store)(std::uint8_t)) {
    CHotRegion& region = *m_regions[index];
    region.selected = !region.selected;
    store(region.selected ? 1 : 0);
    NotifyAccessible(index, ui::AccessibleChange::State);
    const ui::Rect mark{region.left, region.top, region.left + kMarkSize, region.top + kMarkSize};
    RedrawWindow(&mark);
}

void CLauncherDlg::ChooseModelResolution(std::int16_t resolution) {
    if (m_nModelResolution == resolution) {
        return;
    }
    for (int choice = 0; choice < kResolutionCount; ++choice) {
        CHotRegion& region = *m_regions[kFirstResolutionRegion + choice];
        if (region.selected != (choice == resolution)) {
            region.selected = choice == resolution;
            NotifyAccessible(kFirstResolutionRegion + choice, ui::AccessibleChange::State);
        }
    }
    SetModelResolution(resolution);
    m_nModelResolution = resolution;
    RedrawWindow(&kResolutionMarks);
}
