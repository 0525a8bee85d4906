#pragma once
// Message boxes as the system's MessageBox: the text, the caption, the button set and the icon
// asked for; a box with an owner is modal to it, one without to the whole thread.
#include "platform/ui/MessageBox.h"
#include "platform/ui/win32/Win32Owner.h"

namespace platform::ui::win32 {

class Win32MessageBoxes final : public MessageBoxBackend {
  public:
    explicit Win32MessageBoxes(OwnerLookup lookup = nullptr) : lookup_(lookup) {}
    Answer Show(Window* owner, const MessageRequest& request) override;

  private:
    OwnerLookup lookup_;
};

}  // namespace platform::ui::win32
