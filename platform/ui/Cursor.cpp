#include "platform/ui/Window.h"

namespace platform::ui {

namespace {
CursorControl* g_cursor = nullptr;
}  // namespace

void SetCursorControl(CursorControl* control) {
    g_cursor = control;
}

void SetCursorShape(CursorShape shape) {
    if (g_cursor != nullptr) {
        g_cursor->Set(shape);
    }
}

}  // namespace platform::ui
