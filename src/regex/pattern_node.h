// The compiled tree: node kinds and the node record. Kinds strictly between
// 4096 and 8192 are postfix operators whose operand is the single node that
// stood before them; their numbers equal the tokens they come from.
#pragma once

struct CharSet;
struct RestStart;

enum NodeKind : int {
  NodeStar = 4097,
  NodePlus = 4098,
  NodeOptional = 4099,
  NodeLazyStar = 4100,
  NodeLazyPlus = 4101,
  NodeLazyOptional = 4102,
  NodeAtLeast = 4103,      // {n,}: low n, high -1
  NodeBetween = 4104,      // {n}, {n,m}, {,m}: low n, high m
  NodeLazyAtLeast = 4105,  // {n,}?
  NodeLazyBetween = 4106,  // {n}?, {n,m}?, {,m}?
  NodeAlternative = 4107,  // operand: the alternative before the bar
  NodeLookBehind = 4352,   // low: distance
  NodeNegLookBehind = 4608,
  NodeLookAhead = 4864,
  NodeNegLookAhead = 5120,
  NodeEmpty = 8193,
  NodeItem = 8194,        // operand.value: literal byte or item code
  NodeClass = 8195,       // operand.set
  NodeNegClass = 8196,    // operand.set
  NodeGroup = 8197,       // operand.child: first node of the body; low: group number
  NodeRefBackref = 8448,  // operand.value: group 0 to 19 of the reference match
  NodeBackref = 8704,     // operand.value: group 0 to 19 of this match
};

inline bool IsPostfixKind(int kind) {
  return kind > 4096 && kind < 8192;
}

inline bool IsLookAroundKind(int kind) {
  return kind >= NodeLookBehind && kind <= NodeNegLookAhead;
}

// Groups 0 to kMaxGroups - 1 have registers; a group node's `low` is its number.
enum { kMaxGroups = 16 };

struct PatternNode {
  int kind;
  union {
    PatternNode* child;  // group body, or the operand of a postfix operator
    CharSet* set;        // class
    int value;           // item code or group number
  } operand;
  short low;
  short high;
  unsigned char registers;  // RegisterUse bits: where the matcher must save registers
  // A greedy repetition of a one-byte test whose rest can start with none of
  // the bytes it takes: backing off into them cannot succeed (give_back.cpp).
  bool keepsAll;
  // Every owner out to the top level or to a look-around is a group: what
  // RestMatches tries after this node is what the walk goes on with.
  bool restIsWalked;
  // A repetition whose rest, after a try that failed at some bytes, fails
  // at the run of them before it too (give_back.h): rest->failsInRuns.
  bool passesRuns;
  // A repetition's: what its rest can start with, when that is known
  // (give_back.h); null otherwise. Owned.
  RestStart* rest;
  // The group or operator that owns this node's sequence; null at top level.
  PatternNode* parent;
  PatternNode* next;  // owned
};
