#include "shell/AboutDlg.h"

#include "platform/ui/Dialog.h"
#include "resources/DialogLayouts.h"

int CAboutDlg::DoModal(platform::ui::Window* owner) {
    return platform::ui::RunDialog(owner, resources::LoadDialogLayout(kTemplateId));
}
