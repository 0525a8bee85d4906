#include "launch/WaitDialogs.h"

#include "platform/ui/Dialog.h"
#include "resources/DialogLayouts.h"

namespace {
constexpr std::string_view kPagePlaceholder = "%s";
}  // namespace

CWaitDlg::CWaitDlg(int templateId, std::string page)
    : templateId_(templateId), page_(std::move(page)) {}

int CWaitDlg::DoModal() const {
    platform::ui::DialogLayout layout = resources::LoadDialogLayout(templateId_);
    for (platform::ui::DialogControl& control : layout.controls) {
        std::size_t at = control.text.find(kPagePlaceholder);
        if (at != std::string::npos) {
            control.text.replace(at, kPagePlaceholder.size(), page_);
        }
    }
    return platform::ui::RunDialog(nullptr, layout, {.topmost = true});
}
