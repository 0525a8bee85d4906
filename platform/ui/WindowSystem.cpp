#include "platform/ui/WindowSystem.h"

#include "platform/debug/EmptySlot.h"

namespace platform::ui {

namespace {
WindowSystem* g_system = nullptr;
}  // namespace

void SetWindowSystem(WindowSystem* system) {
    g_system = system;
}

WindowSystem* CurrentWindowSystem() {
    if (g_system == nullptr) {
        debug::ReportEmptySlot("window system");
    }
    return g_system;
}

Picture LoadPicture(int id) {
    WindowSystem* system = CurrentWindowSystem();
    return system != nullptr ? system->LoadPicture(id) : Picture{};
}

int GetSystemMetric(Metric metric) {
    WindowSystem* system = CurrentWindowSystem();
    return system != nullptr ? system->GetMetric(metric) : 0;
}

}  // namespace platform::ui
