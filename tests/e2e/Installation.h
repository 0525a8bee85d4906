#pragma once
// The built launcher laid out as an installation in a test's folder: the program and its sounds.
#include <filesystem>

namespace velorin::test {

// Copies the launcher and its sounds into folder/install and returns that folder.
std::filesystem::path StageLauncher(const std::filesystem::path& folder);

}  // namespace velorin::test
