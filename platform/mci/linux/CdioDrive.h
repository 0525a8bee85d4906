#pragma once
// A real CD drive through libcdio: the drive at devicePath, or the default drive when it is empty.
#include <memory>
#include <string>

#include "platform/mci/Mci.h"

namespace platform::mci::linux_backend {

std::unique_ptr<CdDevice> OpenCdioDrive(const std::string& devicePath);

}  // namespace platform::mci::linux_backend
