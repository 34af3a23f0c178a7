// The registers of a match kept aside around a walk that may be abandoned;
// register_use.cpp marks the walks that need it.
// Covered by tests/regex/registers_test.cpp.
#pragma once

#include <cstring>

#include "regex/pattern_object.h"

// The registers of a match, kept aside while a walk that may be abandoned
// writes them. A whole copy of fixed size costs less than a partial one.
struct SavedRegisters {
  short groupStart[kMaxGroups];
  short groupEnd[kMaxGroups];
};

inline void SaveRegisters(const MatchGroups& groups, SavedRegisters* saved) {
  static_assert(sizeof saved->groupStart == sizeof groups.groupStart, "same registers");
  std::memcpy(saved->groupStart, groups.groupStart, sizeof saved->groupStart);
  std::memcpy(saved->groupEnd, groups.groupEnd, sizeof saved->groupEnd);
}

inline void RestoreRegisters(const SavedRegisters& saved, MatchGroups* groups) {
  std::memcpy(groups->groupStart, saved.groupStart, sizeof saved.groupStart);
  std::memcpy(groups->groupEnd, saved.groupEnd, sizeof saved.groupEnd);
}
