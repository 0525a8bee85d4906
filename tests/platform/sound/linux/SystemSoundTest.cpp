#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound/linux/SystemSound.h"

namespace platform::sound {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRate = 22050;

// What the device played, from the first sound on: a device may play silence (zero samples)
// before the sound reaches it.
std::vector<char> ReadPlayed(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::size_t start = 0;
    while (start + 1 < bytes.size() && bytes[start] == 0 && bytes[start + 1] == 0) {
        start += 2;
    }
    bytes.erase(bytes.begin(), bytes.begin() + static_cast<long>(start));
    return bytes;
}

// A mono 16-bit WAVE whose samples are never silent, and its sample bytes.
std::vector<char> WriteWave(const fs::path& path, double seconds, int seed) {
    const auto count = static_cast<std::uint32_t>(kRate * seconds);
    std::vector<char> data(std::size_t{count} * 2);
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto sample = static_cast<std::int16_t>(1000 + (i * 37 + seed * 101) % 20000);
        const std::size_t at = std::size_t{i} * 2;
        data[at] = static_cast<char>(sample & 0xff);
        data[at + 1] = static_cast<char>(sample >> 8);
    }
    auto u32 = [](std::uint32_t v) {
        return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    };
    auto u16 = [](std::uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF" << u32(36 + count * 2) << "WAVEfmt " << u32(16) << u16(1) << u16(1) << u32(kRate)
        << u32(kRate * 2) << u16(2) << u16(16) << "data" << u32(count * 2);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return data;
}

bool StartsWith(const std::vector<char>& bytes, const std::vector<char>& prefix,
                std::size_t at = 0) {
    return bytes.size() >= at + prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), bytes.begin() + static_cast<long>(at));
}

class SystemSoundOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velorin-sound-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        disk_ = dir_ / "device.raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", disk_.c_str(), 1);
        sound_ = std::make_unique<SystemSound>();
        ASSERT_TRUE(sound_->HasAudio());
    }
    void TearDown() override {
        sound_.reset();
        fs::remove_all(dir_);
    }
    // Waits until the device has been handed at least `bytes` (stdio buffers its writes).
    void WaitForDeviceBytes(std::uintmax_t bytes) {
        const auto deadline = Clock::now() + 10s;
        while ((!fs::exists(disk_) || fs::file_size(disk_) < bytes) && Clock::now() < deadline) {
            std::this_thread::sleep_for(20ms);
        }
    }

    fs::path dir_;
    fs::path disk_;
    std::unique_ptr<SystemSound> sound_;
};

TEST_F(SystemSoundOnDisk, SynchronousPlayReturnsAfterTheSoundWithItsSamplesPlayed) {
    const auto samples = WriteWave(dir_ / "known.wav", 0.4, 1);
    const auto start = Clock::now();
    // Windows-style separators name the same file.
    EXPECT_TRUE(sound_->Play(dir_.string() + "\\known.wav", SoundFlags::FileName));
    EXPECT_GE(Clock::now() - start, 350ms);
    EXPECT_TRUE(StartsWith(ReadPlayed(disk_), samples));
}

TEST_F(SystemSoundOnDisk, LoopRepeatsUntilStopped) {
    const auto samples = WriteWave(dir_ / "loop.wav", 0.05, 2);
    EXPECT_TRUE(sound_->Play((dir_ / "loop.wav").string(),
                             SoundFlags::FileName | SoundFlags::Async | SoundFlags::Loop));
    // Three repeats, after any silence the device played first.
    WaitForDeviceBytes(3 * samples.size() + 16384);
    sound_->Stop();
    const auto played = ReadPlayed(disk_);
    EXPECT_TRUE(StartsWith(played, samples));
    EXPECT_TRUE(StartsWith(played, samples, samples.size()));
    EXPECT_TRUE(StartsWith(played, samples, 2 * samples.size()));
}

TEST_F(SystemSoundOnDisk, ANewSoundReplacesTheOnePlaying) {
    WriteWave(dir_ / "music.wav", 0.05, 3);
    const auto click = WriteWave(dir_ / "click.wav", 0.1, 4);
    sound_->Play((dir_ / "music.wav").string(),
                 SoundFlags::FileName | SoundFlags::Async | SoundFlags::Loop);
    WaitForDeviceBytes(1);
    // Returns, so the looping music no longer holds the device; the device then played the click.
    EXPECT_TRUE(sound_->Play((dir_ / "click.wav").string(), SoundFlags::FileName));
    EXPECT_TRUE(StartsWith(ReadPlayed(disk_), click));
}

TEST_F(SystemSoundOnDisk, AMissingFilePlaysTheDefaultBeepSynchronously) {
    EXPECT_TRUE(sound_->Play((dir_ / "missing.wav").string(), SoundFlags::FileName));
    // The beep: 0.2 s of 16-bit samples at 22,050 per second, 8,820 bytes.
    EXPECT_GT(ReadPlayed(disk_).size(), 8000U);
}

TEST(SystemSoundWithoutAudio, ReturnsAtOnceAndPlaysNothing) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SystemSound sound;
    EXPECT_FALSE(sound.HasAudio());
    EXPECT_FALSE(sound.Play("missing.wav", SoundFlags::FileName));
    sound.Stop();
}

}  // namespace
}  // namespace platform::sound
