#include <cstdio>
#include <cstdlib>

#include "beat/NumericKernels.h"

// The block carries one spare float in front of index nl, so for the usual nl = 1 the returned
// pointer is the block itself and index 0 is still inside it. The pair vector / release_vector is
// the kernels' C-style allocator: callers get a bare pointer, offset by nl, that no owner type can
// hold, and give it back themselves.
float* vector(std::int32_t nl, std::int32_t nh) {
    const auto count = static_cast<std::size_t>(std::int64_t{nh} - nl + 2);
    // NOLINTNEXTLINE(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory): see above
    auto* block = static_cast<float*>(std::malloc(count * sizeof(float)));
    if (block == nullptr) {
        numeric_error("allocation failure in vector()");
    }
    return block + 1 - nl;
}

void release_vector(float* v, std::int32_t nl, std::int32_t /*nh*/) {
    std::free(v + nl - 1);  // NOLINT(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
}

void numeric_error(const char* text) {
    std::fputs("Numerical Recipes run-time error...\n", stderr);
    std::fprintf(stderr, "%s\n", text);
    std::fputs("...now exiting to system...\n", stderr);
    std::exit(1);
}
