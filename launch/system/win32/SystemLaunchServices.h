#pragma once
// On Windows: CreateProcess, WinINet, ShellExecute.
#include "launch/system/SystemLaunchServicesOf.h"
#include "platform/inet/win32/WinInetInternet.h"
#include "platform/process/win32/CreateProcessRunner.h"
#include "platform/shell/win32/ShellExecuteBrowser.h"

using SystemLaunchServices =
    SystemLaunchServicesOf<platform::process::CreateProcessRunner, platform::inet::WinInetInternet,
                           platform::shell::ShellExecuteBrowser>;
