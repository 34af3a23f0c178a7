// What a repetition knows of the rest of the pattern after it, so that it
// need not try the rest where it cannot start. A greedy repetition of a
// one-byte test takes what it can, then steps back one byte at a time and
// tries the rest of the pattern at each step; a lazy one tries the rest
// before each further walk. Where the rest can start with none of the bytes
// at a position, the try fails, reading only the byte there and the one
// before it and changing no register: it can be skipped. When the rest can
// start with none of the bytes a greedy operand takes, the repetition can go
// straight from where it stopped to where it began; a lazy one-byte operand
// passes over such bytes in one loop. A rest that begins with a word-start
// test fails the same way at a byte after a word byte. And where the rest
// begins with a one-byte test and then a greedy star of another, a try that
// failed at a byte both take, and that the star's own rest cannot start
// with, fails at the run of such bytes just before it too (give_back.cpp): a
// greedy repetition backing off passes over them. This changes no result, no
// register and no "\m"/"\M" position, only the number of node walks.
// Covered by tests/regex/give_back_test.cpp and, on and off compared, by
// tests/regex/prefilter_test.cpp and the fuzz target.
#pragma once

#include "regex/char_set.h"
#include "regex/pattern_node.h"

struct RestStart {
  CharSet bytes;  // tried at a position holding a byte not in here, the rest fails
  // Bytes that a lazy operand testing one byte takes and the rest cannot
  // start with; empty for any other repetition.
  CharSet passOver;
  // For a rest that begins as said above: where a try failed at one of
  // these bytes, it fails at the run of them before it. Empty otherwise.
  CharSet failsInRuns;
  // The rest begins with "\b" or "\c", which fail at a byte that follows a
  // word byte: a greedy word-taking repetition backing off through a word
  // need not try the rest inside it.
  bool notAfterWord;
};

// Sets keepsAll and rest of every repetition under root; reads nothing but
// the tree. False when out of memory (the sets set so far stay, owned by
// their nodes).
bool MarkRestStarts(PatternNode* root, bool ignoreCase);
