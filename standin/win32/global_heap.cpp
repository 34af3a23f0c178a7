// GlobalAlloc and GlobalFree over malloc. Only fixed blocks exist here (a fixed
// block is its own handle), which is all GMEM_FIXED and GPTR callers need;
// GMEM_MOVEABLE handles and GlobalLock are not provided. Counts live blocks and
// can fail the nth allocation for fault loops (standin_control.h).
// Covered by tests/standin/win32/global_heap_test.cpp.
#include "standin_control.h"
#include "shell/win_api.h"

#include <atomic>
#include <stdlib.h>
#include <string.h>

namespace {
std::atomic<long> liveBlocks{0};
std::atomic<unsigned> allocationsUntilFault{0};  // 0: disarmed

// True when this allocation is the one that must fail.
bool AllocationFaultHits() {
  unsigned left = allocationsUntilFault.load();
  while (left != 0 && !allocationsUntilFault.compare_exchange_weak(left, left - 1)) {
  }
  return left == 1;
}
}  // namespace

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  if (AllocationFaultHits()) return nullptr;
  // Windows hands out a block even for 0 bytes; so does this.
  void* block = malloc(dwBytes ? dwBytes : 1);
  if (!block) return nullptr;
  if (uFlags & GMEM_ZEROINIT) memset(block, 0, dwBytes);
  ++liveBlocks;
  return block;
}

// Returns NULL on success, as the real one does; freeing NULL is harmless.
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  if (!hMem) return nullptr;
  free(hMem);
  --liveBlocks;
  return nullptr;
}

void StandinFailAllocation(unsigned n) {
  allocationsUntilFault = n;
}

BOOL StandinAllocationFaultArmed(void) {
  return allocationsUntilFault.load() != 0;
}

long StandinLiveAllocations(void) {
  return liveBlocks.load();
}

}  // extern "C"
