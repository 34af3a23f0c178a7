// Pattern search over the engine's PatternObject. The objects live in static
// storage and are built with placement new on the first pattern-mode call
// (never at load); a static guard destroys the ones that were built when the
// module is unloaded (static destructors run on dlclose and DLL detach).
// Covered by tests/search/pattern_search_test.cpp.
#include "search/pattern_search.h"

#include "regex/pattern_memory.h"
#include "regex/pattern_object.h"
#include "shell/editor_access.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "shell/win_api.h"

#include <new>
#include <string.h>

int badPatternShown;

// One compiled pattern. `key` holds the composed text of the last successful
// compilation into this slot; `keyLength` is -1 while the slot holds none
// (a slot never built holds none whatever its zeroed fields say). `stamp`
// moves on whenever the key is dropped, so a RepeatedPattern that found its
// text here can tell that the slot no longer holds it.
struct PatternSlot {
  alignas(PatternObject) unsigned char storage[sizeof(PatternObject)];
  bool created;
  long keyLength;
  unsigned lastUse;
  unsigned stamp;
  char key[kComposedPatternSize];

  PatternObject* Object() { return reinterpret_cast<PatternObject*>(storage); }
  void DropKey() {
    keyLength = -1;
    ++stamp;
  }
};

namespace {

// Compiled patterns take their blocks from the global heap like the rest of
// the module. Installed before the first object is built, so no block is
// ever released by another heap than the one that gave it.
void* AllocateFromGlobalHeap(size_t size) {
  return GlobalAlloc(GMEM_FIXED, size);
}
void ReleaseToGlobalHeap(void* block) {
  GlobalFree(block);
}
const PatternAllocator kGlobalHeap = {AllocateFromGlobalHeap, ReleaseToGlobalHeap};

PatternSlot slots[kPatternSlots];
PatternSlot* current;
unsigned useClock;
bool cacheEnabled = true;

bool escArmed;
bool escSeen;
unsigned long escPollInterval = static_cast<unsigned long>(kEscPollInterval);

// The engine's interrupt check. Sticky once Esc was seen: CheckForEsc has
// consumed the key, and the header test, the search and the lines after them
// must all stop.
bool PollEsc(void*) {
  if (!escArmed) return false;
  if (!escSeen) escSeen = CheckForEsc();
  return escSeen;
}

void DestroySlots() {
  for (PatternSlot& slot : slots) {
    if (!slot.created) continue;
    slot.Object()->~PatternObject();
    slot.created = false;
    slot.DropKey();
  }
  current = nullptr;
}

struct SlotGuard {
  ~SlotGuard() { DestroySlots(); }
} slotGuard;

// The composed pattern: on the stack when it fits, else in a heap block.
class ComposedPattern {
 public:
  ComposedPattern(const char* prefix, const char* text, const char* suffix) {
    size_t prefixLength = strlen(prefix), textLength = strlen(text);
    size_t suffixLength = strlen(suffix);
    length = prefixLength + textLength + suffixLength;
    text_ = local;
    if (length >= sizeof local) {
      text_ = static_cast<char*>(GlobalAlloc(GMEM_FIXED, length + 1));
      if (!text_) return;
    }
    memcpy(text_, prefix, prefixLength);
    memcpy(text_ + prefixLength, text, textLength);
    memcpy(text_ + prefixLength + textLength, suffix, suffixLength + 1);
  }
  ~ComposedPattern() {
    if (text_ && text_ != local) GlobalFree(text_);
  }
  ComposedPattern(const ComposedPattern&) = delete;
  ComposedPattern& operator=(const ComposedPattern&) = delete;

  const char* Text() const { return text_; }
  size_t Length() const { return length; }

 private:
  char local[kComposedPatternSize];
  char* text_;
  size_t length;
};

// Whether the slot holds prefix + text + suffix. The pieces are compared with
// the key as they are read, so nothing is composed or measured for a
// pattern that is already compiled: the function column asks for two on
// every line.
// Compares one piece with the key at *key, moving *key past it.
bool PieceMatches(const char** key, const char* keyEnd, const char* piece) {
  const char* at = *key;
  for (; *piece; ++piece, ++at)
    if (at == keyEnd || *at != *piece) return false;
  *key = at;
  return true;
}

bool HoldsKey(const PatternSlot& slot, const char* prefix, const char* text, const char* suffix) {
  if (!slot.created || slot.keyLength < 0) return false;
  const char* key = slot.key;
  const char* keyEnd = key + slot.keyLength;
  return PieceMatches(&key, keyEnd, prefix) && PieceMatches(&key, keyEnd, text) &&
         PieceMatches(&key, keyEnd, suffix) && key == keyEnd;
}

PatternSlot* FindCachedSlot(const char* prefix, const char* text, const char* suffix) {
  if (!cacheEnabled) return nullptr;
  if (current && HoldsKey(*current, prefix, text, suffix)) return current;
  for (PatternSlot& slot : slots)
    if (HoldsKey(slot, prefix, text, suffix)) return &slot;
  return nullptr;
}

// The slot a new compilation goes into: a slot never built, else the one
// used longest ago.
PatternSlot* ChooseSlot() {
  if (!cacheEnabled) return &slots[0];
  PatternSlot* oldest = &slots[0];
  for (PatternSlot& slot : slots) {
    if (!slot.created) return &slot;
    if (slot.lastUse < oldest->lastUse) oldest = &slot;
  }
  return oldest;
}

// Compiles `pattern` into a slot; the slot keeps it as its key only when the
// compilation succeeded and the text fits the key buffer.
PatternSlot* CompileIntoSlot(const ComposedPattern& pattern, bool* compiled) {
  PatternSlot* slot = ChooseSlot();
  if (!slot->created) {
    if (!slots[0].created) SetPatternAllocator(&kGlobalHeap);
    new (slot->storage) PatternObject();
    slot->Object()->SetInterruptCheck(PollEsc, nullptr, escPollInterval);
    slot->created = true;
  }
  slot->DropKey();
  *compiled = slot->Object()->CompilePattern(pattern.Text());
  if (*compiled && pattern.Length() < sizeof slot->key) {
    memcpy(slot->key, pattern.Text(), pattern.Length());
    slot->keyLength = long(pattern.Length());
  }
  return slot;
}

void ShowBadPattern(const char* composed) {
  const char* items[] = {GetMsg(MsgError), GetMsg(MsgBadPattern), composed, GetMsg(MsgOk)};
  int chosen = HostInfo.Message(HostInfo.ModuleNumber, FMSG_WARNING, nullptr, items, 4, 1);
  // The warning comes in the middle of a scan that polls for Esc: the key
  // that closed it is no Esc of the user's, one pressed after it is.
  if (ForgetKeyThatClosedMessage(chosen < 0) && escArmed) escSeen = true;
}

}  // namespace

void ArmEscWhileMatching() {
  escArmed = true;
  escSeen = false;
}

void DisarmEscWhileMatching() {
  escArmed = false;
}

bool EscPressedWhileMatching() {
  return escSeen;
}

void SetEscPollInterval(unsigned long interval) {
  escPollInterval = interval ? interval : static_cast<unsigned long>(kEscPollInterval);
  for (PatternSlot& slot : slots)
    if (slot.created) slot.Object()->SetInterruptCheck(PollEsc, nullptr, escPollInterval);
}

void SetPatternCacheEnabled(bool enabled) {
  cacheEnabled = enabled;
  for (PatternSlot& slot : slots) slot.DropKey();
}

const PatternObject* CurrentPatternObject() {
  return current ? current->Object() : nullptr;
}

bool PatternObjectCreated() {
  return slots[0].created;
}

void ReleasePatternObjects() {
  DestroySlots();
}

namespace {

int MatchInSlot(PatternSlot* slot, const char* line, int* position, int group, char* groupBuffer) {
  current = slot;
  slot->lastUse = ++useClock;
  MatchGroups groups;
  bool matched = slot->Object()->MatchText(line, &groups);
  *position = -1;
  if (!matched) return 0;
  *position = groups.groupStart[0];  // the engine matches only the first 32,767 bytes
  if (groupBuffer) CopyGroupText(line, &groups, group, groupBuffer, kGroupBufferSize);
  return 1;
}

// FindPattern for a text no slot holds: compiles it, warns once per search
// when it is invalid, and matches the line when it compiled.
int CompileAndMatch(const char* line, const char* text, int* position, int group, char* groupBuffer,
                    const char* prefix, const char* suffix) {
  ComposedPattern pattern(prefix, text, suffix);
  if (!pattern.Text()) return 0;  // no memory for an oversized pattern: nothing compiled
  bool compiled = false;
  PatternSlot* slot = CompileIntoSlot(pattern, &compiled);
  current = slot;
  slot->lastUse = ++useClock;
  if (!compiled) {
    // Running out of memory is no fault of the pattern: no warning for it.
    if (!badPatternShown && slot->Object()->LastError() != ErrOutOfMemory) {
      ShowBadPattern(pattern.Text());
      badPatternShown = 1;
    }
    return 0;
  }
  return MatchInSlot(slot, line, position, group, groupBuffer);
}

}  // namespace

int FindPattern(const char* line, const char* text, int* position, int group, char* groupBuffer,
                const char* prefix, const char* suffix) {
  PatternSlot* slot = FindCachedSlot(prefix, text, suffix);
  if (slot) return MatchInSlot(slot, line, position, group, groupBuffer);
  return CompileAndMatch(line, text, position, group, groupBuffer, prefix, suffix);
}

// A slot holds one key at a time and no two slots hold the same one, so the
// slot found for the text stays the answer of the lookup until its stamp
// moves on.
PatternObject* RepeatedPattern::Lookup() {
  slot = FindCachedSlot(prefix, text, suffix);
  if (!slot) return nullptr;
  object = slot->Object();
  slotStamp = &slot->stamp;
  stamp = slot->stamp;
  return object;
}

int RepeatedPattern::Find(const char* line, int* position, int group, char* groupBuffer) {
  if (Compiled()) return MatchInSlot(slot, line, position, group, groupBuffer);
  return CompileAndMatch(line, text, position, group, groupBuffer, prefix, suffix);
}
