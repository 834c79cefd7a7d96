#include "wine/themed/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {
long allocationsBeforeFailure = -1;
}  // namespace

namespace velkorin::themed {
void FailAllocationAfter(long count) { allocationsBeforeFailure = count; }
}  // namespace velkorin::themed

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
