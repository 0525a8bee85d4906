// The window layer on the system's windows and GDI; the program's resources hold its pictures.
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowSystem.h"
#include "platform/ui/win32/Win32Backends.h"

namespace platform::ui {

namespace {

class SystemWindows final : public InstalledWindows {
  public:
    SystemWindows() { SetApplicationTitle("velorin-launcher"); }

  private:
    win32::Win32Backends backends_;
};

}  // namespace

std::unique_ptr<InstalledWindows> CreateSystemWindows(int& /*argc*/, char** /*argv*/) {
    return std::make_unique<SystemWindows>();
}

}  // namespace platform::ui
