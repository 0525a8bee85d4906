#pragma once
// The About box: the application icon, the version line and the maker's notice, with OK.
#include "platform/ui/Window.h"

class CAboutDlg {
  public:
    static constexpr int kTemplateId = 100;
    // Runs the box modally over owner; returns the id it ended with.
    int DoModal(platform::ui::Window* owner);
};
