// The window layer on Qt 6 Widgets: the application object first, then the backends on it.
#include <QApplication>

#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowSystem.h"
#include "platform/ui/qt/QtBackends.h"

namespace platform::ui {

namespace {

class SystemWindows final : public InstalledWindows {
  public:
    SystemWindows(int& argc, char** argv) : application_(argc, argv) {
        SetApplicationTitle(QCoreApplication::applicationName().toStdString());
    }

  private:
    QApplication application_;
    qt::QtBackends backends_;
};

}  // namespace

std::unique_ptr<InstalledWindows> CreateSystemWindows(int& argc, char** argv) {
    return std::make_unique<SystemWindows>(argc, argv);
}

}  // namespace platform::ui
