#include "platform/dsound/loopback/LoopbackStream.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/dsound/LineInput.h"

namespace platform::dsound::loopback {

namespace {

using namespace std::chrono_literals;

constexpr std::size_t kQueueFrames = kCdSampleRate / 4;
// How long the line input waits for the feeding thread before it hears silence.
constexpr auto kStarvedAfter = 2s;

class LoopbackStream;

// One lock for the queue, the flags and which stream the line input hears.
std::mutex g_lock;
std::condition_variable g_changed;
LoopbackStream* g_heard = nullptr;

class LoopbackStream : public OutputStream {
  public:
    LoopbackStream();
    ~LoopbackStream() override;
    LoopbackStream(const LoopbackStream&) = delete;
    LoopbackStream& operator=(const LoopbackStream&) = delete;

    bool Write(std::span<const std::int16_t> samples) override;
    void Drain() override;
    void Cut() override;

    // Under g_lock: the next samples at sampleRate, nearest frame of the queue, silence once the
    // stream has ended.
    void Read(std::span<float> mono, int sampleRate, std::unique_lock<std::mutex>& lock);

  private:
    bool NextFrame(std::unique_lock<std::mutex>& lock);

    std::deque<float> frames_;  // mono, at the CD's rate
    double cursor_ = 0.0;       // position of the next sample within the queue's first frame
    bool draining_ = false;
    bool cut_ = false;
    int readers_ = 0;
};

void ReadHeard(std::span<float> mono, int sampleRate) {
    std::unique_lock lock(g_lock);
    if (g_heard == nullptr || sampleRate <= 0) {
        std::fill(mono.begin(), mono.end(), 0.0f);
        return;
    }
    g_heard->Read(mono, sampleRate, lock);
}

LoopbackStream::LoopbackStream() {
    std::lock_guard guard(g_lock);
    g_heard = this;
    ConnectLineInput(ReadHeard);
}

// A reader may still be waiting inside Read: it leaves before the stream goes.
LoopbackStream::~LoopbackStream() {
    std::unique_lock lock(g_lock);
    cut_ = true;
    g_changed.notify_all();
    g_changed.wait(lock, [&] { return readers_ == 0; });
    if (g_heard == this) {
        g_heard = nullptr;
        DisconnectLineInput(ReadHeard);
    }
}

bool LoopbackStream::Write(std::span<const std::int16_t> samples) {
    std::unique_lock lock(g_lock);
    for (std::size_t index = 0; index + 1 < samples.size(); index += kCdChannels) {
        if (frames_.size() >= kQueueFrames) {
            g_changed.notify_all();
            g_changed.wait(lock, [&] { return cut_ || frames_.size() < kQueueFrames; });
        }
        if (cut_) {
            return false;
        }
        frames_.push_back((samples[index] + samples[index + 1]) / 65536.0f);
    }
    g_changed.notify_all();
    return !cut_;
}

void LoopbackStream::Drain() {
    std::unique_lock lock(g_lock);
    draining_ = true;
    g_changed.notify_all();
    g_changed.wait(lock, [&] { return cut_ || frames_.empty(); });
}

void LoopbackStream::Cut() {
    {
        std::lock_guard guard(g_lock);
        cut_ = true;
        frames_.clear();
    }
    g_changed.notify_all();
}

void LoopbackStream::Read(std::span<float> mono, int sampleRate,
                          std::unique_lock<std::mutex>& lock) {
    const double step = static_cast<double>(kCdSampleRate) / sampleRate;
    ++readers_;
    for (float& sample : mono) {
        sample = NextFrame(lock) ? frames_.front() : 0.0f;
        cursor_ += step;
    }
    --readers_;
    g_changed.notify_all();
}

// Drops the frames the cursor has passed; true when a frame is there to be heard.
bool LoopbackStream::NextFrame(std::unique_lock<std::mutex>& lock) {
    for (;;) {
        while (cursor_ >= 1.0 && !frames_.empty()) {
            frames_.pop_front();
            cursor_ -= 1.0;
        }
        if (!frames_.empty()) {
            return true;
        }
        if (cut_ || draining_) {
            return false;
        }
        g_changed.notify_all();
        if (!g_changed.wait_for(lock, kStarvedAfter, [&] { return cut_ || !frames_.empty(); })) {
            return false;
        }
    }
}

}  // namespace

std::unique_ptr<OutputStream> OpenLoopbackStream() {
    return std::make_unique<LoopbackStream>();
}

}  // namespace platform::dsound::loopback
