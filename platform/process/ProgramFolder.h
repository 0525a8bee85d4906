#pragma once
// The folder the running program's file lies in: the installation folder of the launcher, and
// where an unpacked installation's setup program finds the folders beside it.
#include <filesystem>

namespace platform::process {

std::filesystem::path ProgramFolder();

}  // namespace platform::process
