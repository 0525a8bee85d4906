#include "platform/ui/MessageBox.h"

#include "platform/debug/EmptySlot.h"

#include <utility>

namespace platform::ui {

namespace {
MessageBoxBackend* g_backend = nullptr;
std::string g_title = "velorin-launcher";
}  // namespace

void SetApplicationTitle(std::string title) {
    g_title = std::move(title);
}
void SetMessageBoxBackend(MessageBoxBackend* backend) {
    g_backend = backend;
}

Answer DismissingAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::OkCancel:
        case Buttons::RetryCancel:
            return Answer::Cancel;
    }
    return Answer::Cancel;
}

Answer ShowMessage(Window* owner, std::string_view text, std::optional<std::string_view> caption,
                   Buttons buttons, Icon icon) {
    MessageRequest request{std::string(text), caption ? std::string(*caption) : g_title, buttons,
                           icon, owner != nullptr};
    if (g_backend == nullptr) {
        debug::ReportEmptySlot("message box backend");
        return DismissingAnswer(buttons);
    }
    return g_backend->Show(owner, request);
}

}  // namespace platform::ui
