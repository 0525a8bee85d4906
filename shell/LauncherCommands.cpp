#include <algorithm>
#include <iterator>

#include "platform/sound/Sound.h"
#include "settings/Settings.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;
namespace sound = platform::sound;
using resources::LauncherRegion;

namespace {

// Covers the three model-resolution marks.
constexpr ui::Rect kResolutionMarks{25, 129, 175, 141};
// The order in which a click's region is looked for: the panel first while it shows, then the
// buttons. Set-Up Options is in both lists; its command is the same either way.
constexpr LauncherRegion kPanelOrder[] = {
    LauncherRegion::SetUpOptions,     LauncherRegion::RetestSystem,
    LauncherRegion::LowResolution,    LauncherRegion::MediumResolution,
    LauncherRegion::HighResolution,   LauncherRegion::CharacterDialogue,
    LauncherRegion::BackgroundSounds, LauncherRegion::HardwareAcceleration,
    LauncherRegion::BvhExport,
};
constexpr LauncherRegion kButtonOrder[] = {
    LauncherRegion::Quit,       LauncherRegion::LaunchVelorin, LauncherRegion::SetUpOptions,
    LauncherRegion::MixingRoom, LauncherRegion::AudioTest,
};

}  // namespace

void CLauncherDlg::HandleClick() {
    if (m_pHotRegion == nullptr) {
        return;
    }
    sound::PlaySound(".\\Sounds\\Sys\\S0\\click.wav", sound::SoundFlags::FileName);
    auto find = [this](const auto& order) {
        return std::find_if(std::begin(order), std::end(order), [this](LauncherRegion region) {
            const int index = resources::IndexOf(region);
            return index < static_cast<int>(m_regions.size()) &&
                   m_regions[index].get() == m_pHotRegion;
        });
    };
    if (m_bOptionsShown) {
        if (const auto* found = find(kPanelOrder); found != std::end(kPanelOrder)) {
            RunCommand(*found);
            return;
        }
    }
    if (const auto* found = find(kButtonOrder); found != std::end(kButtonOrder)) {
        RunCommand(*found);
    }
}

void CLauncherDlg::RunCommand(LauncherRegion region) {
    switch (region) {
        case LauncherRegion::LaunchVelorin:
            m_strHoverText.clear();
            ClosePanel();
            LaunchVelorin();
            return;
        case LauncherRegion::SetUpOptions:
            m_bOptionsShown = !m_bOptionsShown;
            RedrawWindow();
            NotifyAccessible(resources::IndexOf(region), ui::AccessibleChange::Items);
            return;
        case LauncherRegion::AudioTest:
            RunAudioTest();
            return;
        case LauncherRegion::MixingRoom:
            ClosePanel();
            RunMixingTool();
            return;
        case LauncherRegion::Quit:
            ClosePanel();
            EndDialog(0);
            return;
        case LauncherRegion::CharacterDialogue:
            ToggleOption(region, SetAudioDialogue);
            return;
        case LauncherRegion::BackgroundSounds:
            ToggleOption(region, SetAudioBackgroundSounds);
            return;
        case LauncherRegion::LowResolution:
        case LauncherRegion::MediumResolution:
        case LauncherRegion::HighResolution:
            ChooseModelResolution(static_cast<std::int16_t>(
                resources::IndexOf(region) - resources::IndexOf(LauncherRegion::LowResolution)));
            return;
        case LauncherRegion::HardwareAcceleration:
            ToggleOption(region, SetHardwareAcceleration);
            return;
        case LauncherRegion::BvhExport:
            ToggleOption(region, SetBvhExport);
            return;
        case LauncherRegion::RetestSystem:
            RetestComputer();
            return;
    }
}

void CLauncherDlg::ClosePanel() {
    if (m_bOptionsShown) {
        m_bOptionsShown = false;
        RedrawWindow();
        NotifyAccessible(resources::IndexOf(LauncherRegion::SetUpOptions),
                         ui::AccessibleChange::Items);
    }
}

void CLauncherDlg::ToggleOption(LauncherRegion option, void (*store)(std::uint8_t)) {
    CHotRegion& region = HotRegion(option);
    region.selected = !region.selected;
    store(region.selected ? 1 : 0);
    NotifyAccessible(resources::IndexOf(option), ui::AccessibleChange::State);
    const ui::Rect mark = region.MarkBounds();
    RedrawWindow(&mark);
}

void CLauncherDlg::ChooseModelResolution(std::int16_t resolution) {
    if (m_nModelResolution == resolution) {
        return;
    }
    ShowModelResolution(resolution);
    SetModelResolution(resolution);
    RedrawWindow(&kResolutionMarks);
}

void CLauncherDlg::ShowModelResolution(std::int16_t resolution) {
    m_nModelResolution = resolution;
    const int first = resources::IndexOf(LauncherRegion::LowResolution);
    const int last = resources::IndexOf(LauncherRegion::HighResolution);
    for (int index = first; index <= last; ++index) {
        const bool selected = index - first == resolution;
        if (m_regions[index]->selected != selected) {
            m_regions[index]->selected = selected;
            NotifyAccessible(index, ui::AccessibleChange::State);
        }
    }
}
