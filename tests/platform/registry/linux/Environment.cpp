#include <stdlib.h>

#include "tests/platform/registry/RegistryTestSupport.h"

namespace platform::registry::test {

void SetVariable(const char* name, const char* value) {
    if (value != nullptr) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

}  // namespace platform::registry::test
