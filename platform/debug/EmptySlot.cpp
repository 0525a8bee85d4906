#include "platform/debug/EmptySlot.h"

#include <cassert>
#include <string>

#include "platform/debug/DebugOutput.h"

namespace platform::debug {

void ReportEmptySlot(std::string_view slot) {
    OutputDebugText("No " + std::string(slot) + " is installed; nothing was done.\n");
    assert(!"a layer was used before its backend was installed");
}

}  // namespace platform::debug
