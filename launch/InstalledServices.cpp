#include "launch/LaunchServices.h"

namespace {
const LaunchServices* g_services = nullptr;
}  // namespace

void SetLaunchServices(const LaunchServices* services) {
    g_services = services;
}

const LaunchServices* InstalledLaunchServices() {
    return g_services;
}
