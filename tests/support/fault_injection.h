// Fault injection for tests that build in both builds: natively these reach the
// Windows API stand-in's controls (standin/win32/standin_control.h); against the
// real Windows API they are unavailable, every arming does nothing and the
// queries answer as if no fault were armed. A fault loop therefore asks
// Available() first and skips itself under Windows:
//   if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
//   for (unsigned n = 1;; ++n) { fault::FailAllocation(n); RunIt(); if
//   (!fault::AllocationFaultArmed()) ... }
#pragma once

#include "shell/win_api.h"

#ifndef _WIN32
#include "win32/standin_control.h"
#endif

namespace fault {

#ifndef _WIN32
inline bool Available() {
  return true;
}
inline void FailAllocation(unsigned n) {
  StandinFailAllocation(n);
}
inline bool AllocationFaultArmed() {
  return StandinAllocationFaultArmed() != FALSE;
}
inline long LiveAllocations() {
  return StandinLiveAllocations();
}
inline void FailRegistryCall(unsigned n, LONG error = ERROR_ACCESS_DENIED) {
  StandinFailRegistryCall(n, error);
}
inline void FailRegistryCalls(unsigned n, unsigned count, LONG error = ERROR_ACCESS_DENIED) {
  StandinFailRegistryCalls(n, count, error);
}
inline bool RegistryFaultArmed() {
  return StandinRegistryFaultArmed() != FALSE;
}
inline long OpenKeyHandles() {
  return StandinOpenKeyHandles();
}
inline void ResetRegistry() {
  StandinResetRegistry();
}
inline void SetConsoleInputFails(bool fails) {
  StandinSetConsoleInputFails(fails ? TRUE : FALSE);
}
#else
inline bool Available() {
  return false;
}
inline void FailAllocation(unsigned) {}
inline bool AllocationFaultArmed() {
  return false;
}
inline long LiveAllocations() {
  return 0;
}
inline void FailRegistryCall(unsigned, LONG = ERROR_ACCESS_DENIED) {}
inline void FailRegistryCalls(unsigned, unsigned, LONG = ERROR_ACCESS_DENIED) {}
inline bool RegistryFaultArmed() {
  return false;
}
inline long OpenKeyHandles() {
  return 0;
}
inline void ResetRegistry() {}
inline void SetConsoleInputFails(bool) {}
#endif

}  // namespace fault
