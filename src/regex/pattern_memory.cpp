// The allocation seam of the engine.
#include "regex/pattern_memory.h"

#include <cstdlib>

namespace {
const PatternAllocator kStandardAllocator = {std::malloc, std::free};
const PatternAllocator* currentAllocator = &kStandardAllocator;
}  // namespace

void SetPatternAllocator(const PatternAllocator* allocator) {
  currentAllocator = allocator ? allocator : &kStandardAllocator;
}

void* AllocatePatternBlock(std::size_t size) {
  return currentAllocator->allocate(size);
}

void FreePatternBlock(void* block) {
  if (block) currentAllocator->release(block);
}
