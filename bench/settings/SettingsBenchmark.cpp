// The settings store as the launcher uses it, on a store file in a temporary folder: one flag
// read, one durable flag write, and the reads the launcher screen makes when it opens.
#include <benchmark/benchmark.h>

#include "platform/registry/fake/ScopedStore.h"
#include "settings/Settings.h"

namespace {

// Every benchmark starts from a store whose options have been written once, as after a first run.
class SettingsStore : public benchmark::Fixture {
  public:
    void SetUp(const benchmark::State&) override {
        store_.emplace();
        SetAudioDialogue(1);
        SetAudioBackgroundSounds(1);
        SetHardwareAcceleration(0);
        SetBvhExport(1);
        SetModelResolution(1);
    }
    void TearDown(const benchmark::State&) override { store_.reset(); }

  private:
    std::optional<platform::registry::ScopedStore> store_;
};

BENCHMARK_DEFINE_F(SettingsStore, FlagGetter)(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetAudioDialogue());
    }
}

BENCHMARK_DEFINE_F(SettingsStore, FlagSetter)(benchmark::State& state) {
    std::uint8_t flag = 0;
    for (auto _ : state) {
        SetHardwareAcceleration(flag);
        flag ^= 1;
    }
}

// The launcher screen's opening reads, in its order: the hot regions' option marks and the model
// resolution, then the analysed hardware acceleration and model resolution.
BENCHMARK_DEFINE_F(SettingsStore, LauncherScreenOpens)(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetAudioDialogue());
        benchmark::DoNotOptimize(GetAudioBackgroundSounds());
        benchmark::DoNotOptimize(GetModelResolution());
        benchmark::DoNotOptimize(GetHardwareAcceleration());
        benchmark::DoNotOptimize(GetBvhExport());
        benchmark::DoNotOptimize(GetHardwareAcceleration());
        benchmark::DoNotOptimize(GetModelResolution());
    }
}

BENCHMARK_REGISTER_F(SettingsStore, FlagGetter)->Unit(benchmark::kMicrosecond);
BENCHMARK_REGISTER_F(SettingsStore, FlagSetter)->Unit(benchmark::kMicrosecond);
BENCHMARK_REGISTER_F(SettingsStore, LauncherScreenOpens)->Unit(benchmark::kMicrosecond);

}  // namespace
