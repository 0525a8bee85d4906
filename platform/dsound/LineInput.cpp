#include "platform/dsound/LineInput.h"

#include <algorithm>
#include <atomic>

namespace platform::dsound {

namespace {
std::atomic<LineInputSource> g_source{nullptr};
}  // namespace

void ConnectLineInput(LineInputSource source) {
    g_source.store(source);
}

void DisconnectLineInput(LineInputSource source) {
    g_source.compare_exchange_strong(source, nullptr);
}

void ReadLineInput(std::span<float> mono, int sampleRate) {
    const LineInputSource source = g_source.load();
    if (source == nullptr) {
        std::fill(mono.begin(), mono.end(), 0.0f);
        return;
    }
    source(mono, sampleRate);
}

}  // namespace platform::dsound
