#pragma once
// The event object behind an Event, for system calls that signal events themselves (DirectSound's
// notification positions).
#include <windows.h>

#include "platform/thread/Thread.h"

namespace platform::thread::win32 {

HANDLE EventHandle(Event& event);

}  // namespace platform::thread::win32
