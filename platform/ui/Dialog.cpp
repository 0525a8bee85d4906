#include "platform/ui/Dialog.h"

namespace platform::ui {

namespace {
DialogBackend* g_backend = nullptr;
}  // namespace

void SetDialogBackend(DialogBackend* backend) {
    g_backend = backend;
}

int RunDialog(Window* owner, const DialogLayout& layout, DialogOptions options) {
    // No backend: behave like a user who closes every dialog.
    return g_backend != nullptr ? g_backend->Run(owner, layout, options) : kIdCancel;
}

}  // namespace platform::ui
