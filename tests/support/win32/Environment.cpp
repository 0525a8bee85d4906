#include <stdlib.h>

#include "tests/support/Helpers.h"

namespace testing_support {

// The C runtime passes its change on to the system's environment block, which programs started
// with CreateProcess inherit; an empty value removes the variable.
void SetVariable(const char* name, const char* value) {
    ::_putenv_s(name, value != nullptr ? value : "");
}

}  // namespace testing_support
