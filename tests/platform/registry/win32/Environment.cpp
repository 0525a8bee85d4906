#include <stdlib.h>

#include "tests/platform/registry/RegistryTestSupport.h"

namespace platform::registry::test {

// The C runtime passes its change on to the system's environment block, which programs started
// with CreateProcess inherit; an empty value removes the variable.
void SetVariable(const char* name, const char* value) {
    ::_putenv_s(name, value != nullptr ? value : "");
}

}  // namespace platform::registry::test
