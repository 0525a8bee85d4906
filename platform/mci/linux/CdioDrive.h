#pragma once
// The CD audio device on libcdio: a drive or a CD image, its table of contents, and digital play.
#include <memory>
#include <string>

#include "platform/mci/Mci.h"

namespace platform::mci::linux_backend {

// location as for OpenCdioDisc; null when nothing there can be opened.
std::unique_ptr<CdDevice> OpenCdioDrive(const std::string& location);

}  // namespace platform::mci::linux_backend
