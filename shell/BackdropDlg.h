#pragma once
// The black window over the whole screen that stays behind every window of the launcher.
#include "platform/ui/DialogWindow.h"

class CBackdropDlg : public platform::ui::DialogWindow {
  public:
    CBackdropDlg();
    void OnPaint(platform::ui::Canvas& dc) override;
    platform::ui::AccessibleItem AccessibleWindow() const override;
};

// The backdrop while the launcher runs, for the flows that hide it around their messages; null
// before start-up has shown it and after it is gone.
extern CBackdropDlg* g_pBackdrop;
