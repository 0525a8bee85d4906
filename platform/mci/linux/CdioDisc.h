#pragma once
// A disc in a drive, opened through libcdio. Images never reach libcdio: the layer reads them
// itself (cue/).
#include <cdio/cdio.h>

#include <memory>
#include <string>

#include "platform/mci/AudioSectors.h"

namespace platform::mci::linux_backend {

struct CdioCloser {
    void operator()(CdIo_t* disc) const { cdio_destroy(disc); }
};
using CdioHandle = std::unique_ptr<CdIo_t, CdioCloser>;

// location: a CD drive's device path, or empty for the default drive. Null when there is no drive
// there (one line of debug output says so) or it cannot be opened.
CdioHandle OpenCdioDisc(const std::string& location);

// The disc's audio sectors, read through libcdio-paranoia's error correction. Null when the disc
// cannot be read that way.
std::unique_ptr<AudioSectorReader> OpenSectorReader(CdioHandle disc);

}  // namespace platform::mci::linux_backend
