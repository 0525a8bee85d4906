#include "platform/ui/MessageBox.h"

#include <utility>

namespace platform::ui {

namespace {
MessageBoxBackend* g_backend = nullptr;
std::string g_title = "velorin-launcher";
}  // namespace

std::string ApplicationTitle() {
    return g_title;
}
void SetApplicationTitle(std::string title) {
    g_title = std::move(title);
}
void SetMessageBoxBackend(MessageBoxBackend* backend) {
    g_backend = backend;
}

Answer ShowMessage(Window* owner, std::string_view text, std::optional<std::string_view> caption,
                   Buttons buttons, Icon icon) {
    MessageRequest request{std::string(text), caption ? std::string(*caption) : g_title, buttons,
                           icon, owner != nullptr};
    if (g_backend == nullptr) {
        // No backend: behave like a user who dismisses every box.
        return buttons == Buttons::Ok      ? Answer::Ok
               : buttons == Buttons::YesNo ? Answer::No
                                           : Answer::Cancel;
    }
    return g_backend->Show(owner, request);
}

}  // namespace platform::ui
