#include "tests/e2e/Installation.h"

namespace fs = std::filesystem;

namespace velorin::test {

fs::path StageLauncher(const fs::path& folder) {
    fs::path install = folder / "install";
    fs::create_directories(install / "Sounds" / "Sys" / "S0");
    fs::copy_file(VELORIN_LAUNCHER_PATH, install / "velorin-launcher");
    fs::copy(fs::path(VELORIN_SOURCE_DIR) / "Sounds" / "Sys" / "S0",
             install / "Sounds" / "Sys" / "S0");
    return install;
}

}  // namespace velorin::test
