#include "tools/common/StandardOutput.h"

namespace tools {

// Windows has no file size limit signal: a write beyond a limit fails and is reported as any other.
void ReportFileSizeLimit() {}

}  // namespace tools
