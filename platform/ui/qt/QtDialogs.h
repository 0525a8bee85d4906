#pragma once
// Plain dialogs from a layout, placed in dialog units converted to pixels with the dialog font.
#include "platform/ui/Dialog.h"

namespace platform::ui::qt {

class QtWindowSystem;

class QtDialogs final : public DialogBackend {
  public:
    explicit QtDialogs(QtWindowSystem& system) : system_(system) {}
    int Run(Window* owner, const DialogLayout& layout, const DialogOptions& options) override;

  private:
    QtWindowSystem& system_;
};

}  // namespace platform::ui::qt
