#include "shell/LauncherApp.h"

#include "intro/CreditsDlg.h"
#include "intro/SplashDlg.h"
#include "platform/debug/DebugOutput.h"
#include "platform/registry/Registry.h"
#include "shell/BackdropDlg.h"
#include "shell/LauncherDlg.h"

namespace ui = platform::ui;

CLauncherApp theApp;

namespace {

// A store that cannot be used gives every getter its no-key result and drops every change, which
// looks like a fresh system; the debug output says why.
void ReportStoreProblem() {
    if (const std::string problem = platform::registry::StoreProblem(); !problem.empty()) {
        platform::debug::OutputDebugText(
            "CLauncherApp::InitInstance - registry store unusable: " + problem + "\n");
    }
}

}  // namespace

bool CLauncherApp::InitInstance() {
    ReportStoreProblem();
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
