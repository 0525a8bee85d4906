#pragma once
// Plain dialogs from the program's dialog template of the layout's id. The template gives the
// frame, font and controls; the caption and the texts are the layout's, so that texts a caller
// filled in (a download page's address) are shown.
#include "platform/ui/Dialog.h"
#include "platform/ui/win32/Win32Owner.h"

namespace platform::ui::win32 {

class Win32Dialogs final : public DialogBackend {
  public:
    explicit Win32Dialogs(OwnerLookup lookup = nullptr) : lookup_(lookup) {}
    int Run(Window* owner, const DialogLayout& layout, const DialogOptions& options) override;

  private:
    OwnerLookup lookup_;
};

}  // namespace platform::ui::win32
