#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>

#include "platform/registry/Registry.h"
#include "settings/Settings.h"
#include "tools/standins/Standin.h"

namespace standin {

namespace registry = platform::registry;

namespace {

constexpr std::string_view kMixingToolKey =
    "SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path";

bool WriteText(const registry::Key& key, std::string_view name, std::string_view text) {
    auto bytes = std::as_bytes(std::span(text.data(), text.size()));
    return key.IsOpen() && registry::SetValue(key, name, registry::ValueType::String, bytes) ==
                               registry::Status::Ok;
}

bool StoreProductText(std::string_view name, std::string_view text) {
    return WriteText(OpenProductKey(), name, text);
}

}  // namespace

bool Perform(const Action& action) {
    static const std::map<std::string, std::string_view, std::less<>> kHandOffValues = {
        {"export-web", "VelorinExportedDance"},
        {"export-avi", "VelorinExportedDanceForAVI"},
        {"export-mix", "VelorinExportedMix"},
        {"export-wav", "BlendoraLastExportedWav"},
    };
    if (auto found = kHandOffValues.find(action.verb); found != kHandOffValues.end()) {
        return StoreProductText(found->second, action.argument);
    }
    if (action.verb == "model-resolution") {
        SetModelResolution(static_cast<std::int16_t>(std::atoi(action.argument.c_str())));
        return true;
    }
    return action.verb == "nothing";
}

void AnalyseIfDue() {
    if (!IsSpeedTestPending()) {
        return;
    }
    // A brief, real measurement: how many small sums this computer makes in a few milliseconds.
    constexpr auto kMeasureFor = std::chrono::milliseconds(20);
    auto start = std::chrono::steady_clock::now();
    volatile double sink = 0;
    long rounds = 0;
    while (std::chrono::steady_clock::now() - start < kMeasureFor) {
        for (int i = 1; i <= 1000; ++i) {
            sink = sink + std::sqrt(static_cast<double>(i));
        }
        ++rounds;
    }
    constexpr double kRoundsPerFrame = 100.0;
    char speed[64];
    std::snprintf(speed, sizeof speed, "%.1f fps", static_cast<double>(rounds) / kRoundsPerFrame);
    StoreProductText("FPS", speed);
}

bool RecordMixingToolFolder(std::string_view folder) {
    registry::Key key;
    return registry::CreateKey(registry::Root::LocalMachine, kMixingToolKey, key) ==
               registry::Status::Ok &&
           WriteText(key, "", folder);
}

}  // namespace standin
