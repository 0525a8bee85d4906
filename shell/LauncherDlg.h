#pragma once
// The launcher screen: a 400 by 250 picture with thirteen hot regions (five buttons and, while the
// options panel shows, eight panel regions), a hover text in the blue band at the bottom left, and
// the commands a click on each region runs.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/DialogWindow.h"
#include "resources/LauncherLayout.h"
#include "shell/HotRegion.h"

// The About item the launcher screen adds to its window menu.
inline constexpr int IDM_ABOUTBOX = 16;

class CLauncherDlg : public platform::ui::DialogWindow {
  public:
    static constexpr int kTemplateId = 102;
    static constexpr int kIconId = 128;
    // The part of the blue band that the hover text repaints.
    static constexpr platform::ui::Rect kHoverTextArea{0, 211, 254, 249};

    CLauncherDlg();

    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& dc) override;
    void OnMouseMove(int x, int y) override;
    bool OnSetCursor() override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonDblClk(int x, int y) override;
    // Tab, Shift+Tab and the arrows move the keyboard focus through the live regions; Space, and
    // Enter while the focus shows, run the focused region's command.
    void OnKeyDown(platform::ui::Key key) override;
    std::vector<platform::ui::AccessibleItem> AccessibleItems() const override;
    void DoAccessibleAction(int index) override;
    void OnSysCommand(int command) override;
    void OnDestroy() override;

    void BuildHotRegions();
    void DrawOptionMark(platform::ui::Canvas& dc, resources::LauncherRegion option);
    // Draws nothing when dc is null.
    void DrawHoverText(platform::ui::Canvas* dc);
    void HandleClick();
    // Marks resolution (0 low, 1 medium, 2 high) as chosen, without storing it or repainting.
    void ShowModelResolution(std::int16_t resolution);
    // The regions that take the pointer and the keyboard now: the buttons, and the panel's
    // regions while it shows.
    int LiveRegionCount() const;

    // The flows a click starts: launching Velorin, the re-test, the mixing room, the audio test.
    void LaunchVelorin();
    void RetestComputer();
    void RunMixingTool();
    void RunAudioTest();

    int m_hIcon = kIconId;
    bool m_bOptionsShown = false;
    std::vector<std::unique_ptr<CHotRegion>> m_regions;  // indexed as LauncherRegion; owns them
    // The current region, the pointer's and the keyboard's alike: the one under the pointer at
    // its last move, or the one the keyboard moved to since.
    CHotRegion* m_pHotRegion = nullptr;
    bool m_bFocusShown = false;  // the current region came from the keyboard and shows the mark
    platform::ui::Cursor m_hHandCursor;
    platform::ui::Picture m_bmpMain;
    platform::ui::Picture m_bmpMarkOn;
    platform::ui::Picture m_bmpMarkOff;
    platform::ui::Picture m_bmpOptions;
    platform::ui::Picture m_bmpOptionsRetest;
    std::int16_t m_nModelResolution = 1;  // 0 low, 1 medium, 2 high
    std::string m_strHoverText;
    bool m_bRetestHot = false;
    bool m_bReturnToVelorin = false;
    // The options as of the screen's opening or Velorin's last analysis of the computer.
    std::int16_t m_nAnalysedModelResolution = 0;
    std::uint8_t m_bAnalysedHardwareAcceleration = 0;

  private:
    CHotRegion& HotRegion(resources::LauncherRegion region) {
        return *m_regions[resources::IndexOf(region)];
    }
    // Makes the region at index (none when negative) the current one: its hover text, the lit
    // re-test button with its snap, and the focus mark when it came from the keyboard.
    void SetCurrentRegion(int index, bool fromKeyboard);
    void MoveFocus(int step);
    void RedrawFocusMark(const CHotRegion& region);
    void DrawFocusMark(platform::ui::Canvas& dc) const;
    void ClosePanel();
    void ToggleOption(resources::LauncherRegion option, void (*store)(std::uint8_t));
    void ChooseModelResolution(std::int16_t resolution);
    void RunCommand(resources::LauncherRegion region);
    // The engine part of the audio test: capture while the CD plays, then store the verdict.
    void RunAudioCaptureTest();
};
