#pragma once
// Message boxes as QMessageBoxes: the text, the caption, the button set and the icon asked for.
#include "platform/ui/MessageBox.h"

namespace platform::ui::qt {

class QtMessageBoxes final : public MessageBoxBackend {
  public:
    Answer Show(Window* owner, const MessageRequest& request) override;
};

}  // namespace platform::ui::qt
