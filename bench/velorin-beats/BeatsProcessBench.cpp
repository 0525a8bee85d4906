// velorin-beats as a user runs it: ten minutes of 44.1 kHz stereo 16-bit WAVE, decoding included.
// Prints the median CPU time (user + system, from the child's own accounting) of several runs
// and the real-time factor, for a click track and for a music-like file.
#include <fcntl.h>
#include <sndfile.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/beat/Signals.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;
constexpr double kSeconds = 600.0;
constexpr int kRuns = 9;

bool WriteStereo(const fs::path& path, const std::vector<std::int16_t>& mono) {
    std::vector<short> stereo(2 * mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i) {
        stereo[2 * i] = mono[i];
        stereo[2 * i + 1] = static_cast<short>(mono[i] / 2);
    }
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* const file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        return false;
    }
    const auto frames = static_cast<sf_count_t>(mono.size());
    const bool written = sf_writef_short(file, stereo.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

// CPU seconds of one run with its output thrown away; negative when it did not run cleanly.
double RunOnce(const fs::path& wave) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::string program = VELORIN_BEATS_PROGRAM;
    std::string file = wave.string();
    char* argv[] = {program.data(), file.data(), nullptr};
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        return -1.0;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1.0;
    }
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + 1e-6 * double(t.tv_usec);
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool Measure(const char* name, const fs::path& wave) {
    std::vector<double> cpu;
    for (int run = 0; run < kRuns; ++run) {
        cpu.push_back(RunOnce(wave));
        if (cpu.back() < 0.0) {
            std::fprintf(stderr, "velorin-beats failed on %s\n", wave.c_str());
            return false;
        }
    }
    std::sort(cpu.begin(), cpu.end());
    const double median = cpu[cpu.size() / 2];
    std::printf(
        "%-6s median CPU %.1f ms (min %.1f, max %.1f) for %.0f s of audio: %.0fx real time\n", name,
        1e3 * median, 1e3 * cpu.front(), 1e3 * cpu.back(), kSeconds,
        kSeconds / std::max(median, 1e-6));
    return true;
}

}  // namespace

int main() {
    std::string pattern = (fs::temp_directory_path() / "velorin-beats-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return 1;
    }
    const fs::path folder = pattern;
    const fs::path clicks = folder / "clicks.wav";
    const fs::path music = folder / "music.wav";
    bool ok = WriteStereo(clicks, beat_signals::ClickTrack(kRate, kSeconds, 2.1, 0.05)) &&
              WriteStereo(music, beat_signals::MusicLike(kRate, kSeconds, 2.05));
    ok = ok && Measure("clicks", clicks) && Measure("music", music);
    fs::remove_all(folder);
    return ok ? 0 : 1;
}
