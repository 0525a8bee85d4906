#include <cstdio>

#include "platform/debug/DebugSink.h"

namespace platform::debug {

// A Linux program has no debugger output of its own; standard error is what a developer watches.
void WriteToDebugger(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace platform::debug
