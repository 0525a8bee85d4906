// What the credits roll costs on the Qt backend (run with QT_QPA_PLATFORM=offscreen or on a
// display): one scrolling tick, which moves the text area up a pixel and repaints the strip
// below it, and the whole roll as the user sees it, timer included (about 38 s of wall time).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <memory>

#include "intro/CreditsDlg.h"
#include "platform/sound/fake/RecordedSounds.h"
#include "platform/ui/qt/QtBackends.h"

namespace {

constexpr int kTimerId = 222;
constexpr int kTicksToList = 2 * 61;

// CPU seconds this process has used, every thread counted.
double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A credits window shown without its modal loop, its list scrolling.
std::unique_ptr<CCreditsDlg> ScrollingCredits() {
    auto credits = std::make_unique<CCreditsDlg>();
    credits->Create();
    for (int i = 0; i < kTicksToList; ++i) {
        credits->OnTimer(kTimerId);
    }
    return credits;
}

void ScrollTick(benchmark::State& state) {
    platform::sound::fake::RecordedSounds sounds;
    auto credits = ScrollingCredits();
    for (auto _ : state) {
        if (credits->scrolled() >= credits->total()) {
            state.PauseTiming();
            credits->DestroyWindow();
            credits = ScrollingCredits();
            state.ResumeTiming();
        }
        credits->OnTimer(kTimerId);
    }
    credits->DestroyWindow();
}
BENCHMARK(ScrollTick);

void WholeRoll(benchmark::State& state) {
    platform::sound::fake::RecordedSounds sounds;
    for (auto _ : state) {
        const double before = ProcessCpuSeconds();
        CCreditsDlg credits;
        credits.DoModal();
        state.counters["process_cpu_s"] = ProcessCpuSeconds() - before;
    }
}
BENCHMARK(WholeRoll)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    platform::ui::qt::QtBackends backends;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
