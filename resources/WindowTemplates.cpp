#include "resources/WindowTemplates.h"

#include <algorithm>
#include <string>
#include <utility>

namespace resources {

namespace {

using platform::ui::FrameKind;
using platform::ui::WindowStyle;

WindowStyle TemplateStyle(int id, std::string caption, FrameKind frame) {
    WindowStyle style;
    style.caption = std::move(caption);
    style.frame = frame;
    style.templateId = id;
    return style;
}

WindowStyle LauncherStyle() {
    WindowStyle style = TemplateStyle(kLauncherTemplate, "Velorin Launcher", FrameKind::Caption);
    style.windowMenu = true;
    style.taskbarButton = true;
    return style;
}

}  // namespace

const std::vector<WindowTemplate>& WindowTemplates() {
    static const std::vector<WindowTemplate> templates = {
        {242, 183,
         "WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT",
         "WS_EX_APPWINDOW", LauncherStyle()},
        {186, 95, "WS_POPUP | WS_BORDER | DS_SETFONT | DS_3DLOOK", "",
         TemplateStyle(kBackdropTemplate, "", FrameKind::Thin)},
        {186, 95, "WS_POPUP | DS_MODALFRAME | DS_SETFONT", "",
         TemplateStyle(kCreditsTemplate, "", FrameKind::Dialog)},
        {186, 95, "WS_POPUP | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT", "",
         TemplateStyle(kSplashTemplate, "", FrameKind::Dialog)},
    };
    return templates;
}

WindowStyle WindowStyleOf(int id) {
    const std::vector<WindowTemplate>& templates = WindowTemplates();
    const auto found = std::find_if(templates.begin(), templates.end(), [id](const auto& entry) {
        return entry.style.templateId == id;
    });
    return found != templates.end() ? found->style : WindowStyle{};
}

}  // namespace resources
