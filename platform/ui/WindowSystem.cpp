#include "platform/ui/WindowSystem.h"

namespace platform::ui {

namespace {
WindowSystem* g_system = nullptr;
}  // namespace

void SetWindowSystem(WindowSystem* system) {
    g_system = system;
}

WindowSystem* CurrentWindowSystem() {
    return g_system;
}

Picture LoadPicture(int id) {
    return g_system != nullptr ? g_system->LoadPicture(id) : Picture{};
}

int GetSystemMetric(Metric metric) {
    return g_system != nullptr ? g_system->GetMetric(metric) : 0;
}

}  // namespace platform::ui
