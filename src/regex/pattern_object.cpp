// The pattern object's lifecycle: construction, compilation, destruction.
// A failed compilation leaves a single empty root (or none when even that
// could not be allocated) and the object invalid.
#include "regex/pattern_object.h"

#include "regex/give_back.h"
#include "regex/pattern_memory.h"
#include "regex/register_use.h"
#include "regex/tokenizer.h"
#include "regex/tree_builder.h"

namespace {

// Length of the NUL-terminated text, or limit + 1 when it is longer.
int BoundedLength(const char* text, int limit) {
  int length = 0;
  while (length <= limit && text[length] != '\0') ++length;
  return length;
}

}  // namespace

PatternObject::PatternObject()
    : root(nullptr),
      refGroups(nullptr),
      ignoreCase(0),
      skipBlanks(0),
      anchored(0),
      invalid(1),
      tokens(nullptr),
      textPos(nullptr),
      textEnd(nullptr),
      textStart(nullptr),
      refText(nullptr),
      firstItem(0),
      groups(nullptr),
      groupCount(0),
      readsRegisters(false),
      openStart(),
      registerWrites(0),
      textCut(false),
      touchedCut(false),
      prefilter(),
      firstBytes(),
      laterBytes(),
      prefilterEnabled(true),
      keepAllEnabled(true),
      error(ErrNoPattern),
      stepLimit(0),
      steps(0),
      gaveUp(false),
      interrupted(false),
      interruptCheck(nullptr),
      interruptContext(nullptr),
      pollInterval(0),
      pollCountdown(0) {}

PatternObject::PatternObject(const char* pattern) : PatternObject() {
  if (pattern) CompilePattern(pattern);
}

PatternObject::~PatternObject() {
  ReleaseTree();
  FreePatternBlock(tokens);
}

void PatternObject::ReleaseTree() {
  FreeNodes(root);
  FreePatternBlock(root);
  root = nullptr;
}

bool PatternObject::Fail(CompileError reason) {
  error = reason;
  FreePatternBlock(tokens);
  tokens = nullptr;
  FreeNodes(root);  // the partial tree goes; an empty root stays
  if (root) {
    root->kind = NodeEmpty;
    root->operand.child = nullptr;
  }
  groupCount = 0;
  return false;
}

bool PatternObject::CompilePattern(const char* pattern) {
  invalid = 1;
  groupCount = 0;
  readsRegisters = false;
  firstItem = 0;
  prefilter.count = 0;
  firstBytes.usable = false;
  laterBytes.usable = false;
  ReleaseTree();
  ignoreCase = skipBlanks = 0;
  if (!pattern) return Fail(ErrNoPattern);
  int length = BoundedLength(pattern, kMaxPatternText);
  if (length > kMaxPatternText) return Fail(ErrTooLong);
  root = NewPatternNode(nullptr);
  tokens = static_cast<int*>(AllocatePatternBlock(sizeof(int) * (length + 1)));
  if (!root || !tokens) return Fail(ErrOutOfMemory);

  int count = 0;
  PatternFlags flags;
  CompileError result = TokenizePattern(pattern, length, tokens, &count, &flags);
  if (result != CompileOk) return Fail(result);
  ignoreCase = flags.ignoreCase;
  skipBlanks = flags.skipBlanks;
  result = BuildPatternTree(tokens, count, root, &groupCount);
  if (result != CompileOk) return Fail(result);

  firstItem = FindFirstItem(root);
  BuildPrefilter(root, &prefilter);
  readsRegisters = MarkRegisterUse(root);
  BuildFirstByteSet(root, ignoreCase != 0, &firstBytes);
  if (!firstBytes.usable) BuildLaterByteSet(root, ignoreCase != 0, &laterBytes);
  if (!MarkRestStarts(root, ignoreCase != 0)) return Fail(ErrOutOfMemory);
  FreePatternBlock(tokens);
  tokens = nullptr;
  error = CompileOk;
  invalid = 0;
  return true;
}

bool PatternObject::IsPatternValid() const {
  return invalid == 0;
}

bool PatternObject::SetAnchored(bool flag) {
  anchored = flag ? 1 : 0;
  return true;
}

bool PatternObject::SetReferenceMatch(const char* text, MatchGroups* reference) {
  refText = text;
  refGroups = reference;
  return true;
}

int PatternObject::GroupCount() const {
  return groupCount;
}
