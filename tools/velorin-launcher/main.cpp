// velorin-launcher: the launcher program. It runs from its installation folder, which holds the
// sounds it plays by relative path, and reads no command line of its own but --help and --version.
#include <QApplication>
#include <QDir>

#include "launch/system/linux/SystemLaunchServices.h"
#include "platform/sound/linux/SystemSound.h"
#include "platform/termination/linux/SignalWatch.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/qt/QtBackends.h"
#include "platform/ui/qt/QtWaitPump.h"
#include "shell/LauncherApp.h"
#include "tools/velorin-launcher/CommandLine.h"

int main(int argc, char* argv[]) {
    if (const auto answer = launcher::AnswerCommandLine(argc, argv))
        return launcher::PrintAnswer(*answer);
    // First, so that every thread started later leaves SIGTERM and SIGINT to it.
    platform::termination::SignalWatch endOnRequest;
    QApplication application(argc, argv);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    platform::ui::SetApplicationTitle(QCoreApplication::applicationName().toStdString());

    platform::ui::qt::QtBackends windows;
    platform::sound::SystemSound sound;
    // While Velorin or a companion runs, the windows keep painting and the input is dropped.
    SystemLaunchServices launch(platform::ui::qt::HandleEventsWithoutInput);

    theApp.InitInstance();
    return 0;
}
