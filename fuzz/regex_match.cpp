// Fuzz target of the pattern engine: compiles the first part of the input
// as a pattern and matches it against the rest, in buffers of exactly the
// input's size so that AddressSanitizer sees any read outside the text.
// Input: PATTERN, a NUL byte, TEXT. Checks that every register lies in the
// text or is -1, and that the group count is the pattern's.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "regex/pattern_dump.h"
#include "regex/pattern_object.h"
#include "regex/tokenizer.h"

namespace {

const size_t kMaxFuzzPattern = 600;  // past the module's longest, below kMaxPatternText
const size_t kMaxFuzzText = 300;
const unsigned long kFuzzSteps = 20000;  // matching time is not polynomial

void CheckRegisters(const MatchGroups& groups, int groupCount, size_t length) {
  if (groups.groupCount != groupCount || groupCount < 1 || groupCount > kMaxGroups) std::abort();
  for (int g = 0; g < kMaxGroups; ++g) {
    for (int offset : {groups.groupStart[g], groups.groupEnd[g]}) {
      if (offset < -1 || offset > static_cast<int>(length)) std::abort();
      if (g >= groupCount && offset != -1) std::abort();
    }
  }
}

// The prefilter changes nothing but speed: the same call with it off must
// give the same answer and, after a match, the same registers. A run that
// reached the step limit has no answer to compare (it saved fewer steps).
// The same holds for repetitions that skip the tries of a rest that cannot
// start and keep all they took, against trying the rest at every step and
// backing off byte by byte (withPrefilter: only those shortcuts are off).
void CompareWithout(const char* pattern, const char* text, size_t length, int anchoring,
                    size_t start, bool found, bool gaveUp, const MatchGroups& groups,
                    bool withPrefilter) {
  PatternObject plain(pattern);
  plain.SetStepLimit(kFuzzSteps);
  plain.SetPrefilterEnabled(withPrefilter);
  plain.SetKeepAllEnabled(false);
  MatchGroups other;
  bool plainFound = plain.MatchRange(text + start, text, text + length, &other, anchoring);
  if (gaveUp || plain.GaveUp()) return;
  if (plainFound != found) std::abort();
  if (found && std::memcmp(&groups, &other, sizeof groups) != 0) std::abort();
}

void Match(PatternObject* pattern, const char* text, size_t length, int anchoring, size_t start) {
  MatchGroups groups;
  if (pattern->MatchRange(text + start, text, text + length, &groups, anchoring)) {
    CheckRegisters(groups, pattern->GroupCount(), length);
    if (anchoring == 1 && groups.groupStart[0] == -1 && groups.groupEnd[0] == -1) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* split = static_cast<const uint8_t*>(std::memchr(data, 0, size));
  size_t patternLength = split ? static_cast<size_t>(split - data) : size;
  if (patternLength > kMaxFuzzPattern) return 0;
  size_t textLength = split ? size - patternLength - 1 : 0;
  if (textLength > kMaxFuzzText) return 0;

  std::vector<char> pattern(data, data + patternLength);
  pattern.push_back('\0');
  // The text without a terminator: a read at textEnd is a heap overflow.
  char* text = static_cast<char*>(std::malloc(textLength ? textLength : 1));
  if (textLength) std::memcpy(text, split + 1, textLength);

  std::vector<int> tokens(patternLength + 1);
  int count = 0;
  PatternFlags flags;
  TokenizePattern(pattern.data(), static_cast<int>(patternLength), tokens.data(), &count, &flags);

  PatternObject object(pattern.data());
  object.SetStepLimit(kFuzzSteps);
  if (object.IsPatternValid()) {
    DumpTree(object);
    MatchGroups first;
    bool found = object.MatchRange(text, text, text + textLength, &first, 0);
    for (bool withPrefilter : {false, true})
      CompareWithout(pattern.data(), text, textLength, 0, 0, found, object.GaveUp(), first,
                     withPrefilter);
    Match(&object, text, textLength, 0, 0);
    Match(&object, text, textLength, 1, textLength / 2);
    Match(&object, text, textLength, 1, textLength);
    // The text as its own reference match, for "\y".
    MatchGroups reference;
    if (object.MatchRange(text, text, text + textLength, &reference, 0)) {
      object.SetReferenceMatch(text, &reference);
      Match(&object, text, textLength, 0, 0);
    }
    std::vector<char> line(text, text + textLength);
    line.push_back('\0');
    // A line the first tests reject must not match: the function column
    // skips Ignore and Match on it.
    bool mayMatch = object.MayMatchText(line.data());
    MatchGroups groups;
    if (object.MatchText(line.data(), &groups)) {
      if (!mayMatch) std::abort();
      CheckRegisters(groups, object.GroupCount(), std::strlen(line.data()));
      char buffer[16];
      for (int g = 0; g < kMaxGroups; ++g)
        CopyGroupText(line.data(), &groups, g, buffer, sizeof buffer);
    }
  }
  std::free(text);
  return 0;
}
