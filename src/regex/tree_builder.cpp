// The tree builder. Closing tokens are found by scanning forward within the
// range being built; the tokenizer has already checked that every class,
// group and brace is closed, so the scans fail only on our own faults.
// Building recurses once per group nesting level.
#include "regex/tree_builder.h"

#include "regex/char_set.h"
#include "regex/pattern_memory.h"
#include "regex/token_codes.h"

namespace {

struct Builder {
  const int* tokens;
  int groupCount;
  CompileError error;
};

bool Fail(Builder* b, CompileError error) {
  b->error = error;
  return false;
}

bool BuildSequence(Builder* b, PatternNode** slot, int from, int to);

// {n}, {n,m}, {,m}, {n,} and their lazy forms; *i moves to the closing token.
bool BuildCount(Builder* b, PatternNode* node, int* i, int to) {
  int close = -1;
  int comma = -1;
  for (int j = *i + 1; j < to && close < 0; ++j) {
    int token = b->tokens[j];
    if (token == TokBraceClose || token == TokLazyBraceClose) close = j;
    if (token == ',') comma = j;
  }
  if (close < 0) return Fail(b, ErrUnclosedBrace);
  bool lazy = b->tokens[close] == TokLazyBraceClose;
  bool hasComma = comma >= 0;
  int low = ParseCount(b->tokens, *i + 1, hasComma ? comma : close);
  int high = hasComma ? ParseCount(b->tokens, comma + 1, close) : low;
  if (low < 0 || low > kMaxCount || high < 0 || high > kMaxCount) return Fail(b, ErrBadCount);
  node->low = static_cast<short>(low);
  if (hasComma && comma == close - 1) {
    node->kind = lazy ? NodeLazyAtLeast : NodeAtLeast;
    node->high = -1;
  } else {
    node->kind = lazy ? NodeLazyBetween : NodeBetween;
    node->high = static_cast<short>(high);
  }
  *i = close;
  return true;
}

// Adds one class member that is not the lower bound of a range.
void AddClassMember(CharSet* set, int token) {
  switch (token) {
    case ItemDigit: AddSet(set, DigitSet); break;
    case ItemNotDigit: AddComplement(set, DigitSet); break;
    case ItemWord: AddSet(set, WordSet); break;
    case ItemNotWord: AddComplement(set, WordSet); break;
    case ItemBlank: AddToSet(set, ' '); break;  // the tab is no blank inside a class
    case ItemNotBlank:  // every byte but the space; a space already there stays
      AddRange(set, 0, ' ' - 1);
      AddRange(set, ' ' + 1, 255);
      break;
    default:
      if (IsLiteralToken(token)) AddToSet(set, static_cast<unsigned char>(token));
      break;  // other codes, and a dash between no two members, add nothing
  }
}

// The byte a range bound stands for: a dash is the dash itself, an escape
// code its low 8 bits.
int RangeBound(int token) {
  return token == TokRangeDash ? '-' : token & 0xFF;
}

void FillClass(CharSet* set, const int* tokens, int from, int close) {
  for (int j = from; j < close; ++j) {
    bool dashFollows = j + 1 < close && tokens[j + 1] == TokRangeDash;
    if (dashFollows && j + 2 < close) {
      AddRange(set, RangeBound(tokens[j]), RangeBound(tokens[j + 2]));
      j += 2;
      continue;
    }
    AddClassMember(set, tokens[j]);
    if (dashFollows) {  // "[a-]": the range would swallow the closing "]"
      AddToSet(set, '-');
      ++j;
    }
  }
}

bool BuildClass(Builder* b, PatternNode* node, int* i, int to) {
  int close = *i + 1;
  while (close < to && b->tokens[close] != TokClassClose) ++close;
  if (close >= to) return Fail(b, ErrUnclosedClass);
  node->kind = b->tokens[*i] == TokNegClassOpen ? NodeNegClass : NodeClass;
  CharSet* set = static_cast<CharSet*>(AllocatePatternBlock(sizeof(CharSet)));
  node->operand.set = set;
  if (!set) return Fail(b, ErrOutOfMemory);
  ClearSet(set);
  FillClass(set, b->tokens, *i + 1, close);
  *i = close;
  return true;
}

bool BuildGroup(Builder* b, PatternNode* node, int* i, int to) {
  int close = *i + 1;
  for (int depth = 1; close < to; ++close) {
    if (b->tokens[close] == TokGroupOpen) ++depth;
    if (b->tokens[close] == TokGroupClose && --depth == 0) break;
  }
  if (close >= to) return Fail(b, ErrUnclosedGroup);
  node->kind = NodeGroup;
  node->low = static_cast<short>(b->groupCount);
  if (b->groupCount < kMaxGroups16) ++b->groupCount;
  node->operand.child = NewPatternNode(node);
  if (!node->operand.child) return Fail(b, ErrOutOfMemory);
  if (!BuildSequence(b, &node->operand.child, *i + 1, close)) return false;
  *i = close;
  return true;
}

// Fills node from the token at *i; false with b->error set on failure, false
// with CompileOk when the token makes no node.
bool BuildNode(Builder* b, PatternNode* node, int* i, int to) {
  int token = b->tokens[*i];
  if (token >= TokLookBehind && token <= TokLookBehind + kMaxLookBehind) {
    node->kind = NodeLookBehind;
    node->low = static_cast<short>(token - TokLookBehind);
  } else if (token >= TokNegLookBehind && token <= TokNegLookBehind + kMaxLookBehind) {
    node->kind = NodeNegLookBehind;
    node->low = static_cast<short>(token - TokNegLookBehind);
  } else if (token > 4096 && token < 8192) {
    node->kind = token;  // the remaining postfix operators keep their token's number
  } else if (token == TokBraceOpen) {
    return BuildCount(b, node, i, to);
  } else if (token == TokClassOpen || token == TokNegClassOpen) {
    return BuildClass(b, node, i, to);
  } else if (token == TokGroupOpen) {
    return BuildGroup(b, node, i, to);
  } else if (token >= TokRefBackref && token <= TokRefBackref + kMaxBackrefGroup) {
    node->kind = NodeRefBackref;
    node->operand.value = token - TokRefBackref;
  } else if (token >= TokBackref && token <= TokBackref + kMaxBackrefGroup) {
    node->kind = NodeBackref;
    node->operand.value = token - TokBackref;
  } else if (IsItemCode(token) || IsLiteralToken(token)) {
    node->kind = NodeItem;
    node->operand.value = token;
  } else {
    return false;
  }
  return true;
}

// Each postfix operator takes the node before it as its operand and its
// place in the sequence; stacked operators nest («a**» is a star of a star).
bool ApplyPostfix(Builder* b, PatternNode** slot) {
  PatternNode* twoBack = nullptr;
  PatternNode* before = nullptr;
  for (PatternNode* node = *slot; node;) {
    PatternNode* following = node->next;
    if (IsPostfixKind(node->kind)) {
      if (!before) return Fail(b, ErrNothingToRepeat);
      node->operand.child = before;
      before->parent = node;
      before->next = nullptr;
      if (twoBack) {
        twoBack->next = node;
      } else {
        *slot = node;
      }
    } else {
      twoBack = before;
    }
    before = node;
    node = following;
  }
  return true;
}

bool BuildSequence(Builder* b, PatternNode** slot, int from, int to) {
  PatternNode* current = *slot;
  for (int i = from; i < to; ++i) {
    if (!BuildNode(b, current, &i, to)) {
      if (b->error != CompileOk) return false;
      continue;  // a token that made no node leaves the node to the next one
    }
    if (i != to - 1) {
      current->next = NewPatternNode(current->parent);
      if (!current->next) return Fail(b, ErrOutOfMemory);
      current = current->next;
    }
  }
  return ApplyPostfix(b, slot);
}

bool OwnsChild(int kind) {
  return kind == NodeGroup || (kind >= NodeStar && kind <= NodeNegLookAhead);
}

void ReleaseOperand(PatternNode* node) {
  FreePatternBlock(node->rest);
  node->rest = nullptr;
  if (node->kind == NodeClass || node->kind == NodeNegClass) {
    FreePatternBlock(node->operand.set);
  } else if (OwnsChild(node->kind) && node->operand.child) {
    FreeNodes(node->operand.child);
    FreePatternBlock(node->operand.child);
  } else {
    return;  // the operand is a value
  }
  node->operand.child = nullptr;
}

}  // namespace

PatternNode* NewPatternNode(PatternNode* parent) {
  PatternNode* node = static_cast<PatternNode*>(AllocatePatternBlock(sizeof(PatternNode)));
  if (!node) return nullptr;
  node->kind = NodeEmpty;
  node->operand.child = nullptr;
  node->low = 0;
  node->high = -1;
  node->registers = 0;
  node->keepsAll = false;
  node->restIsWalked = false;
  node->passesRuns = false;
  node->rest = nullptr;
  node->parent = parent;
  node->next = nullptr;
  return node;
}

CompileError BuildPatternTree(const int* tokens, int count, PatternNode* root, int* groupCount) {
  Builder b = {tokens, 1, CompileOk};
  root->kind = NodeGroup;
  root->low = 0;
  *groupCount = 1;
  root->operand.child = NewPatternNode(nullptr);  // the top-level sequence has no parent
  if (!root->operand.child) return ErrOutOfMemory;
  bool built = BuildSequence(&b, &root->operand.child, 0, count);
  *groupCount = b.groupCount;
  return built ? CompileOk : b.error;
}

int ParseCount(const int* tokens, int from, int to) {
  int value = 0;
  for (int i = from; i < to; ++i) {
    if (tokens[i] < '0' || tokens[i] > '9') return -1;
    value = value * 10 + (tokens[i] - '0');
    if (value > kMaxCount) value = kMaxCount + 1;  // saturates: no overflow on long counts
  }
  return value;
}

int FindFirstItem(const PatternNode* root) {
  const PatternNode* node = root;
  while (node &&
         (node->kind == NodeGroup || node->kind == NodePlus || node->kind == NodeLazyPlus)) {
    node = node->operand.child;
  }
  if (!node || node->kind != NodeItem) return 0;
  int code = node->operand.value;
  if (IsLiteralToken(code) || code == ItemTextStart || code == ItemWordStart) return code;
  return 0;
}

void FreeNodes(PatternNode* node) {
  if (!node) return;
  ReleaseOperand(node);
  PatternNode* next = node->next;
  node->next = nullptr;
  while (next) {
    PatternNode* after = next->next;
    ReleaseOperand(next);
    FreePatternBlock(next);
    next = after;
  }
}
