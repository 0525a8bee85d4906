#pragma once
// A folder of track files opened as the CD audio device. An empty folder is a drive without a
// disc: it opens, but has no track count.
#include <filesystem>
#include <memory>

#include "platform/mci/Mci.h"

namespace platform::mci::virtualdisc {

// Null when folder is not a folder.
std::unique_ptr<CdDevice> OpenVirtualDisc(const std::filesystem::path& folder);

}  // namespace platform::mci::virtualdisc
