#pragma once
// Counts heap allocations made by this program's own code: every operator new, and every malloc
// called from the statically linked libraries.
#include <cstdint>

std::uint64_t AllocationCount();
