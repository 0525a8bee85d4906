#pragma once
// Answers message boxes from a script and records each request, for tests of the flows.
#include <deque>
#include <initializer_list>
#include <vector>

#include "platform/ui/MessageBox.h"

namespace platform::ui::fake {

class ScriptedMessageBoxes : public MessageBoxBackend {
  public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;

    // Queues the answers of the next boxes; an unscripted box gets Ok, Cancel or No.
    void Answer(std::initializer_list<ui::Answer> answers);
    const std::vector<MessageRequest>& shown() const { return shown_; }

    ui::Answer Show(Window* owner, const MessageRequest& request) override;

  private:
    std::deque<ui::Answer> script_;
    std::vector<MessageRequest> shown_;
};

}  // namespace platform::ui::fake
