#include "platform/ui/fake/ScriptedDialogs.h"

namespace platform::ui::fake {

ScriptedDialogs::ScriptedDialogs() {
    SetDialogBackend(this);
}
ScriptedDialogs::~ScriptedDialogs() {
    SetDialogBackend(nullptr);
}

void ScriptedDialogs::Answer(std::initializer_list<int> results) {
    script_.insert(script_.end(), results);
}

int ScriptedDialogs::Run(Window* /*owner*/, const DialogLayout& layout,
                         const DialogOptions& options) {
    runs_.push_back({layout.resourceId, options.topmost});
    if (script_.empty()) {
        return kIdCancel;
    }
    int result = script_.front();
    script_.pop_front();
    return result;
}

}  // namespace platform::ui::fake
