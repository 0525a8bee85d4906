#pragma once
// The launcher's own windows (backdrop, splash, launcher screen, credits) as dialog templates: the
// style each window is built with on every platform, and what make-art writes into the Windows
// resource script, where the window layer creates the window from its template.
#include <string_view>
#include <vector>

#include "platform/ui/WindowSystem.h"

namespace resources {

inline constexpr int kLauncherTemplate = 102;
inline constexpr int kBackdropTemplate = 142;
inline constexpr int kCreditsTemplate = 143;
inline constexpr int kSplashTemplate = 147;

struct WindowTemplate {
    int width = 0;  // dialog units; each window sizes itself when it opens
    int height = 0;
    std::string_view styles;          // as the resource script spells them
    std::string_view extendedStyles;  // empty when there are none
    platform::ui::WindowStyle style;  // with its templateId
};

// Every template in id order.
const std::vector<WindowTemplate>& WindowTemplates();

// The style of the window built from template id; a plain style (templateId 0) for an unknown id.
platform::ui::WindowStyle WindowStyleOf(int id);

}  // namespace resources
