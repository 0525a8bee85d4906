#include "platform/ui/fake/ScriptedMessageBoxes.h"

namespace platform::ui::fake {

ScriptedMessageBoxes::ScriptedMessageBoxes() {
    SetMessageBoxBackend(this);
}
ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    SetMessageBoxBackend(nullptr);
}

void ScriptedMessageBoxes::Answer(std::initializer_list<ui::Answer> answers) {
    script_.insert(script_.end(), answers);
}

ui::Answer ScriptedMessageBoxes::Show(Window* /*owner*/, const MessageRequest& request) {
    shown_.push_back(request);
    if (script_.empty()) {
        return DismissingAnswer(request.buttons);
    }
    ui::Answer answer = script_.front();
    script_.pop_front();
    return answer;
}

}  // namespace platform::ui::fake
