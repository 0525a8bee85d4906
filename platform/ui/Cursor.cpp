#include "platform/ui/Window.h"

namespace platform::ui {

namespace {
CursorControl* g_cursor = nullptr;
}  // namespace

void SetCursorControl(CursorControl* control) {
    g_cursor = control;
}

std::optional<CursorShape> SetCursorShape(CursorShape shape) {
    return g_cursor != nullptr ? g_cursor->Set(shape) : std::nullopt;
}

}  // namespace platform::ui
