#include "shell/LauncherDlg.h"

// The launch, re-test and mixing-room flows arrive with the launch work; until then a click on
// their regions plays the click and changes nothing else.
void CLauncherDlg::LaunchVelorin() {}

void CLauncherDlg::RetestComputer() {}

void CLauncherDlg::RunMixingTool() {}
