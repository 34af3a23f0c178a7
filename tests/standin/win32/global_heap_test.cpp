// GlobalAlloc and GlobalFree as the module uses them (GMEM_FIXED, GPTR), and the
// stand-in's fault injection and live-block count for fault loops.
#include "support/fault_injection.h"
#include "shell/win_api.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

TEST(GlobalHeap, FixedBlocksAreUsablePointers) {
  char* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, 100));
  ASSERT_NE(nullptr, block);
  memset(block, 'a', 100);
  EXPECT_EQ(nullptr, GlobalFree(block));
}

TEST(GlobalHeap, ZeroInitClearsTheBlock) {
  unsigned char* block = static_cast<unsigned char*>(GlobalAlloc(GPTR, 4096));
  ASSERT_NE(nullptr, block);
  for (int i = 0; i < 4096; ++i) ASSERT_EQ(0, block[i]) << i;
  GlobalFree(block);
}

TEST(GlobalHeap, ZeroBytesStillGiveABlock) {
  void* block = GlobalAlloc(GMEM_FIXED, 0);
  EXPECT_NE(nullptr, block);
  GlobalFree(block);
}

TEST(GlobalHeap, NthAllocationFailsOnceAndBlocksAreCounted) {
  if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
  long live = fault::LiveAllocations();
  fault::FailAllocation(2);
  void* first = GlobalAlloc(GMEM_FIXED, 8);
  EXPECT_TRUE(fault::AllocationFaultArmed());
  void* second = GlobalAlloc(GMEM_FIXED, 8);
  EXPECT_FALSE(fault::AllocationFaultArmed());
  void* third = GlobalAlloc(GMEM_FIXED, 8);
  EXPECT_NE(nullptr, first);
  EXPECT_EQ(nullptr, second);
  EXPECT_NE(nullptr, third);
  EXPECT_EQ(live + 2, fault::LiveAllocations());
  GlobalFree(first);
  GlobalFree(third);
  GlobalFree(nullptr);
  EXPECT_EQ(live, fault::LiveAllocations());
}

// The shape of a fault loop: fail allocation n = 1, 2, ... until the work no
// longer reaches the fault; every run must free what it got.
TEST(GlobalHeap, FaultLoopEndsWhenTheWorkNeedsFewerAllocations) {
  if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
  long live = fault::LiveAllocations();
  unsigned runs = 0;
  for (unsigned n = 1;; ++n) {
    fault::FailAllocation(n);
    void* blocks[3] = {};
    for (void*& b : blocks) b = GlobalAlloc(GMEM_FIXED, 16);
    for (void* b : blocks) GlobalFree(b);
    ++runs;
    EXPECT_EQ(live, fault::LiveAllocations());
    if (fault::AllocationFaultArmed()) break;
  }
  fault::FailAllocation(0);
  EXPECT_EQ(4u, runs);
}

}  // namespace
