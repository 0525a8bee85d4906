#pragma once
// Installs the Qt backends of the window layer for as long as it lives: windows, message boxes,
// layout dialogs and the wait cursor. A QApplication must exist first.
#include "platform/ui/Window.h"
#include "platform/ui/qt/QtDialogs.h"
#include "platform/ui/qt/QtMessageBoxes.h"
#include "platform/ui/qt/QtWindowSystem.h"

namespace platform::ui::qt {

// The wait cursor as the application's override cursor, over every window.
class QtCursorControl final : public CursorControl {
  public:
    ~QtCursorControl() override;
    std::optional<CursorShape> Set(CursorShape shape) override;

  private:
    bool overridden_ = false;
};

class QtBackends {
  public:
    QtBackends();
    ~QtBackends();
    QtBackends(const QtBackends&) = delete;
    QtBackends& operator=(const QtBackends&) = delete;

  private:
    QtWindowSystem windows_;
    QtMessageBoxes messageBoxes_;
    QtDialogs dialogs_{windows_};
    QtCursorControl cursor_;
};

}  // namespace platform::ui::qt
