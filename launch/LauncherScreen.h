#pragma once
// What the launch flows need of the launcher screen: its window (owner of their message boxes,
// hidden, shown and redrawn around them), the backdrop behind it, the model-resolution marks of
// its options panel, its modal loop, and the members the flows keep between commands.
#include <cstdint>

#include "platform/ui/Window.h"

// The members of the launcher screen that the flows read and change, by reference. The screen
// sets the analysed values from the settings store when it opens.
struct LaunchState {
    // "Graphics HardwareAcceleration" and "Graphics ModelResolution" as Velorin last analysed them.
    std::uint8_t& m_bAnalysedHardwareAcceleration;
    std::int16_t& m_nAnalysedModelResolution;
    // Set when Velorin handed a mix to the mixing tool: Velorin starts again after it.
    bool& m_bReturnToVelorin;
};

class LauncherScreen {
  public:
    virtual ~LauncherScreen() = default;

    virtual platform::ui::Window& ScreenWindow() = 0;
    // The black full-screen backdrop (g_pBackdrop), or null when there is none.
    virtual platform::ui::Window* Backdrop() = 0;
    // Sets m_nModelResolution and selects the matching choice of regions 7 to 9 (0 low, 1 medium,
    // 2 high), clearing the other two; the caller redraws.
    virtual void ShowModelResolution(std::int16_t resolution) = 0;
    // Ends the screen's modal loop with the result.
    virtual void EndDialog(int result) = 0;
    virtual LaunchState State() = 0;
};
