// Test builds only (TAVRINO_STORE_HOOKS): the text store counts its
// allocations and can be told to fail one of them.
#pragma once

#include <cstdint>

uint64_t TextStoreAllocations();
// The nth allocation from now fails as if the heap were exhausted; 0 disarms.
void FailTextStoreAllocation(uint64_t nth);
