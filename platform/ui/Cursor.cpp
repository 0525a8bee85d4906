#include "platform/ui/Window.h"

#include "platform/debug/EmptySlot.h"

namespace platform::ui {

namespace {
CursorControl* g_cursor = nullptr;
}  // namespace

void SetCursorControl(CursorControl* control) {
    g_cursor = control;
}

std::optional<CursorShape> SetCursorShape(CursorShape shape) {
    if (g_cursor == nullptr) {
        debug::ReportEmptySlot("cursor control");
        return std::nullopt;
    }
    return g_cursor->Set(shape);
}

}  // namespace platform::ui
