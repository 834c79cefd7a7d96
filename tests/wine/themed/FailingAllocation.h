#pragma once

namespace velkorin::themed {

// The test program's operator new can run out of memory on request: the allocation `count` from
// now throws std::bad_alloc; a negative count lets every allocation succeed again.
void FailAllocationAfter(long count);

}  // namespace velkorin::themed
