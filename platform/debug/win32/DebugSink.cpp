#include <windows.h>

#include <string>

#include "platform/debug/DebugSink.h"

namespace platform::debug {

void WriteToDebugger(std::string_view text) {
    ::OutputDebugStringA(std::string(text).c_str());
}

}  // namespace platform::debug
