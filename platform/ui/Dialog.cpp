#include "platform/ui/Dialog.h"

#include "platform/debug/EmptySlot.h"

namespace platform::ui {

namespace {
DialogBackend* g_backend = nullptr;
}  // namespace

void SetDialogBackend(DialogBackend* backend) {
    g_backend = backend;
}

int RunDialog(Window* owner, const DialogLayout& layout, DialogOptions options) {
    // No backend: behave like a user who closes every dialog.
    if (g_backend == nullptr) {
        debug::ReportEmptySlot("dialog backend");
        return kIdCancel;
    }
    return g_backend->Run(owner, layout, options);
}

}  // namespace platform::ui
