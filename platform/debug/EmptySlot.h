#pragma once
// A layer's slot used before its backend was installed: one debug line naming the slot, and a
// failed assertion in a debug build, so that a forgotten installation is never a silent answer.
#include <string_view>

namespace platform::debug {

void ReportEmptySlot(std::string_view slot);

}  // namespace platform::debug
