#include "platform/debug/DebugOutput.h"

#include <mutex>

#include "platform/debug/DebugSink.h"

namespace platform::debug {

namespace {
std::mutex g_mutex;  // the capture thread writes too
CapturedDebugOutput* g_capture = nullptr;
}  // namespace

void OutputDebugText(std::string_view text) {
    std::lock_guard lock(g_mutex);
    if (g_capture != nullptr) {
        g_capture->text_.append(text);
        return;
    }
    WriteToDebugger(text);
}

CapturedDebugOutput::CapturedDebugOutput() {
    std::lock_guard lock(g_mutex);
    previous_ = g_capture;
    g_capture = this;
}

CapturedDebugOutput::~CapturedDebugOutput() {
    std::lock_guard lock(g_mutex);
    g_capture = previous_;
}

}  // namespace platform::debug
