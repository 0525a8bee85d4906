#include "shell/BackdropDlg.h"

namespace ui = platform::ui;

CBackdropDlg* g_pBackdrop = nullptr;

CBackdropDlg::CBackdropDlg() : DialogWindow({"", ui::FrameKind::Thin}) {}

void CBackdropDlg::OnPaint(ui::Canvas& dc) {
    dc.SetBackgroundColor(ui::kBlack);
    dc.FillRect(GetClientRect(), ui::kBlack);
}
