#include "launch/LaunchServices.h"

#include "platform/debug/EmptySlot.h"

namespace {
const LaunchServices* g_services = nullptr;
}  // namespace

void SetLaunchServices(const LaunchServices* services) {
    g_services = services;
}

const LaunchServices* InstalledLaunchServices() {
    if (g_services == nullptr) {
        platform::debug::ReportEmptySlot("launch services");
    }
    return g_services;
}
