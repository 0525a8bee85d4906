// velorin_startup_timing [RUNS]: starts the built launcher RUNS times (5 by default) on the X
// screen DISPLAY names, which must show nothing else (xvfb-run -a -s '-screen 0 1024x768x24'), and
// prints the median of two figures over the runs:
//   exec to splash painted   from the program's start to picture 146 whole on the screen;
//   splash end to reacting   from the splash leaving the screen (after its own 2.5 s) to the
//                            first hover text drawn for a pointer moving over the launch button.
// The launcher uses the store VELORIN_REGISTRY names, as always.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/startup/ScreenProbe.h"
#include "resources/LauncherLayout.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using startup_timing::ScreenProbe;

constexpr int kScreenWidth = resources::kLauncherWidth;  // the splash and the launcher screen alike
constexpr int kScreenHeight = resources::kLauncherHeight;
constexpr resources::RegionBounds kLaunch =
    resources::BoundsOf(resources::LauncherRegion::LaunchVelorin);
constexpr int kLaunchX = (kLaunch.left + kLaunch.right) / 2;  // in client pixels
constexpr int kLaunchY = (kLaunch.top + kLaunch.bottom) / 2;
constexpr int kBandLeft = resources::kHoverTextBox.left;
constexpr int kBandTop = resources::kHoverTextBox.top;
constexpr int kBandWidth = resources::kHoverTextBox.right - resources::kHoverTextBox.left;
constexpr int kBandHeight = resources::kHoverTextBox.bottom - resources::kHoverTextBox.top;
constexpr auto kPollPeriod = std::chrono::microseconds(500);
constexpr auto kGiveUp = std::chrono::seconds(20);

struct Run {
    double toSplashMs = 0;
    double toReactingMs = 0;
};

// Polls until the condition holds; the moment it was seen, or nothing after kGiveUp.
std::optional<Clock::time_point> Await(const std::function<bool()>& condition) {
    const auto deadline = Clock::now() + kGiveUp;
    while (Clock::now() < deadline) {
        if (condition()) {
            return Clock::now();
        }
        std::this_thread::sleep_for(kPollPeriod);
    }
    return std::nullopt;
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

std::optional<Run> MeasureOnce(const char* launcher, ScreenProbe& screen, const QImage& splash) {
    const int x = (screen.Width() - kScreenWidth) / 2;
    const int y = (screen.Height() - kScreenHeight) / 2;
    screen.MovePointer(0, 0);
    char* argv[] = {const_cast<char*>(launcher), nullptr};
    pid_t pid = 0;
    const auto start = Clock::now();
    if (posix_spawn(&pid, launcher, nullptr, nullptr, argv, environ) != 0) {
        return std::nullopt;
    }
    std::optional<Run> run;
    const auto painted = Await([&] { return screen.Shows(splash, x, y); });
    const auto ended = painted ? Await([&] { return !screen.Shows(splash, x, y); }) : std::nullopt;
    int step = 0;
    const auto reacting = ended ? Await([&] {
        screen.MovePointer(x + kLaunchX + (++step % 2), y + kLaunchY);
        return screen.HasWhite(x + kBandLeft, y + kBandTop, kBandWidth, kBandHeight);
    })
                                : std::nullopt;
    if (reacting) {
        run = Run{Milliseconds(*painted - start), Milliseconds(*reacting - *ended)};
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const char* launcher = argc > 2 ? argv[2] : VELORIN_LAUNCHER_PATH;
    ScreenProbe screen;
    const QImage splash =
        QImage(QStringLiteral(VELORIN_SOURCE_DIR "/resources/images/bitmap-146.png"))
            .convertToFormat(QImage::Format_RGB32);
    if (!screen.Ready() || splash.isNull()) {
        std::fprintf(stderr,
                     "velorin_startup_timing: needs an X screen (DISPLAY) and picture 146\n");
        return 2;
    }
    std::vector<double> toSplash;
    std::vector<double> toReacting;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Run> run = MeasureOnce(launcher, screen, splash);
        if (!run) {
            std::fprintf(stderr, "velorin_startup_timing: run %d saw no splash or no hover text\n",
                         i + 1);
            return 2;
        }
        std::printf("run %d: %.1f ms to the splash, %.1f ms to reacting\n", i + 1, run->toSplashMs,
                    run->toReactingMs);
        toSplash.push_back(run->toSplashMs);
        toReacting.push_back(run->toReactingMs);
    }
    std::printf("exec to splash painted: %.1f ms (median of %d)\n", Median(toSplash), runs);
    std::printf("splash end to launcher reacting: %.1f ms (median of %d)\n", Median(toReacting),
                runs);
    return 0;
}
