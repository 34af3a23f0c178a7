// Every block of a compiled pattern (nodes, class sets, the token buffer)
// comes from here. The engine has no platform heap of its own: malloc and
// free by default; tests install an allocator that fails the Nth call.
#pragma once

#include <cstddef>

struct PatternAllocator {
  void* (*allocate)(std::size_t size);
  void (*release)(void* block);
};

// Null restores malloc and free. Not thread-safe: set it before compiling.
void SetPatternAllocator(const PatternAllocator* allocator);

void* AllocatePatternBlock(std::size_t size);  // null when out of memory
void FreePatternBlock(void* block);            // null is ignored
