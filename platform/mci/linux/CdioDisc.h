#pragma once
// A disc opened through libcdio: a drive's device, or a CD image file (CUE/BIN, TOC, NRG).
#include <cdio/cdio.h>

#include <memory>
#include <string>

#include "platform/mci/AudioSectors.h"

namespace platform::mci::linux_backend {

struct CdioCloser {
    void operator()(CdIo_t* disc) const { cdio_destroy(disc); }
};
using CdioHandle = std::unique_ptr<CdIo_t, CdioCloser>;

// location: a device path, an image file, or empty for the default drive. Null when nothing
// there can be opened.
CdioHandle OpenCdioDisc(const std::string& location);

// The disc's audio sectors: read as they are from an image, through libcdio-paranoia's error
// correction from a real drive. Null when the disc cannot be read that way.
std::unique_ptr<AudioSectorReader> OpenSectorReader(CdioHandle disc);

}  // namespace platform::mci::linux_backend
