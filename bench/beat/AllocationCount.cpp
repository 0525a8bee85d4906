#include "bench/beat/AllocationCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::uint64_t> allocations{0};
}

// The linker's --wrap=malloc sends every call of malloc here and names the real one
// __real_malloc: both names are its, not ours to choose.
extern "C" void* __real_malloc(std::size_t size);  // NOLINT(bugprone-reserved-identifier)

extern "C" void* __wrap_malloc(std::size_t size) {  // NOLINT(bugprone-reserved-identifier)
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __real_malloc(size);
}

std::uint64_t AllocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = __real_malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

// The blocks of the operator new above come from malloc, so they go back to free.
void operator delete(void* block) noexcept {
    std::free(block);  // NOLINT(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
}
void operator delete(void* block, std::size_t) noexcept {
    ::operator delete(block);
}
