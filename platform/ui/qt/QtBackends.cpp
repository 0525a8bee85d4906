#include "platform/ui/qt/QtBackends.h"

#include <QApplication>

namespace platform::ui::qt {

QtCursorControl::~QtCursorControl() {
    Set(CursorShape::Arrow);
}

std::optional<CursorShape> QtCursorControl::Set(CursorShape shape) {
    const std::optional<CursorShape> replaced =
        overridden_ ? std::optional(CursorShape::Wait) : std::nullopt;
    const bool wait = shape == CursorShape::Wait;
    if (wait == overridden_) {
        return replaced;
    }
    if (wait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    overridden_ = wait;
    return replaced;
}

QtBackends::QtBackends() {
    // Windows come and go in sequence (the backdrop may be hidden meanwhile); closing one never
    // ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    SetWindowSystem(&windows_);
    SetMessageBoxBackend(&messageBoxes_);
    SetDialogBackend(&dialogs_);
    SetCursorControl(&cursor_);
}

QtBackends::~QtBackends() {
    SetCursorControl(nullptr);
    SetDialogBackend(nullptr);
    SetMessageBoxBackend(nullptr);
    SetWindowSystem(nullptr);
}

}  // namespace platform::ui::qt
