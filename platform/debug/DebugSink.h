#pragma once
// Where debug text goes when no test captures it: each backend's own debugger output.
#include <string_view>

namespace platform::debug {

void WriteToDebugger(std::string_view text);

}  // namespace platform::debug
