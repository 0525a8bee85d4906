#pragma once
// Everything outside the launcher that the launch flows use, passed in so tests can replace it.
#include "launch/DeviceProbe.h"
#include "platform/cpu/Cpu.h"
#include "platform/inet/Inet.h"
#include "platform/process/Process.h"
#include "platform/shell/Shell.h"

struct LaunchServices {
    platform::process::ProcessRunner& processes;
    platform::inet::Internet& internet;
    platform::inet::Sites sites;
    platform::shell::Browser& browser;
    const platform::cpu::Processor& processor;
    DeviceProbe& devices;
};

// The services the launcher program installs for the screen's commands; null, with a debug line,
// when none are (the commands then do nothing). The caller keeps ownership.
void SetLaunchServices(const LaunchServices* services);
const LaunchServices* InstalledLaunchServices();
