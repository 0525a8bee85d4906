#pragma once
// A real drive's audio sectors through libcdio-paranoia, which rereads and matches what a
// scratched disc or a sloppy drive gets wrong.
#include <memory>

#include "platform/mci/linux/CdioDisc.h"

namespace platform::mci::linux_backend {

// Null when the drive cannot be read as an audio CD.
std::unique_ptr<AudioSectorReader> OpenParanoiaSectors(CdioHandle drive);

}  // namespace platform::mci::linux_backend
