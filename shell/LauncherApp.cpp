#include "shell/LauncherApp.h"

#include "intro/CreditsDlg.h"
#include "intro/SplashDlg.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

CLauncherApp theApp;

bool CLauncherApp::InitInstance() {
    CLauncherDlg dlg;
    CBackdropDlg backdrop;
    backdrop.Create();
    backdrop.ShowWindow(ui::ShowCommand::ShowMaximized);
    g_pBackdrop = &backdrop;

    CSplashDlg splash;
    splash.DoModal();
    dlg.DoModal();
    CCreditsDlg credits;
    credits.DoModal();

    backdrop.DestroyWindow();
    // The backdrop object ends with this function; nobody may reach it through the pointer later.
    g_pBackdrop = nullptr;
    return false;
}
