#include "shell/BackdropDlg.h"

#include "resources/WindowTemplates.h"

namespace ui = platform::ui;

CBackdropDlg* g_pBackdrop = nullptr;

CBackdropDlg::CBackdropDlg()
    : DialogWindow(resources::WindowStyleOf(resources::kBackdropTemplate)) {}

ui::AccessibleItem CBackdropDlg::AccessibleWindow() const {
    return {"Velorin Launcher backdrop", "The black screen behind the launcher's windows",
            ui::AccessibleRole::Pane, GetClientRect()};
}

void CBackdropDlg::OnPaint(ui::Canvas& dc) {
    dc.SetBackgroundColor(ui::kBlack);
    dc.FillRect(GetClientRect(), ui::kBlack);
}
