// The registry store: the few verbs through which every persistent value of
// the module is read and written, below PluginKey. Each operation opens the key
// it needs, does its one job and closes the key again; nothing is cached, no
// handle survives a call. Failures are never reported: reads give the default.
// Covered by tests/settings/registry_store_test.cpp.
#pragma once

#include <stddef.h>

#include "shell/plugin_api.h"
#include "shell/plugin_key.h"

enum {
  // Sub-key names while enumerating: the registry's own 511-character limit
  // for what the enumeration hands back.
  kSubKeyNameSize = 512,
  // A path relative to PluginKey: a parent such as "Extensions", a backslash
  // and a whole sub-key name.
  kSubPathSize = 32 + kSubKeyNameSize,
  // PluginKey, a backslash and a sub-path.
  kKeyPathSize = kPluginKeySize + kSubPathSize,
  // Growth step of the item array built by CollectSubKeys.
  kCollectStep = 10,
  // Nesting levels below a deleted key: the registry's own depth limit.
  kMaxTreeDepth = 512,
  // A value name: the registry's own limit and the terminator.
  kValueNameSize = 16384,
};

// Decides whether an enumerated sub-key is the one sought. `subPath` is the
// enumerated key (relative to PluginKey), `name` the sub-key's name.
typedef bool (*SubKeyFilter)(HKEY root, const char* subPath, const char* name, void* userData);
// Fills `item` for the sub-key `name`: it must write Text itself (the store
// copies nothing into it). True pre-selects the item. `selection` and
// `currentName` are the caller's, handed through unchanged.
typedef bool (*SubKeyItemFiller)(HKEY root, const char* subPath, const char* name,
                                 FarMenuItem* item, int* selection, const char* currentName);

// Joins `parent` and `child` with one backslash (none when `child` is empty)
// into `dest` of `size` bytes. False, with `dest` empty, when it would not fit.
bool JoinKeyPath(char* dest, size_t size, const char* parent, const char* child);
// The full key path of `subPath`: PluginKey, a backslash and the sub-path, or
// PluginKey alone for an empty sub-path. False when it would not fit or
// there is no PluginKey.
bool KeyPath(char (&dest)[kKeyPathSize], const char* subPath);

// Opens (creating missing keys along the path) for writing; null on failure.
// When `created` is given it tells whether this call created the key itself,
// as the registry reports it: only then may a failed save remove the key.
HKEY OpenKeyForWrite(HKEY root, const char* subPath, bool* created = nullptr);
// Opens for reading values; null when the key is missing or cannot be opened.
HKEY OpenKeyForRead(HKEY root, const char* subPath);
// Whether the key can be opened for reading: the registry's own answer to
// whether a key of that name exists (its names ignore case).
bool KeyExists(HKEY root, const char* subPath);
// Whether the key holds a value `name`, of any type and length.
bool ValueExists(HKEY root, const char* subPath, const char* name);

// Reads a 4-byte value into `*value`. On any failure (missing key or value,
// a value of any other length) `*value` = `defaultValue` and false.
bool ReadDword(HKEY root, const char* subPath, const char* name, int* value, int defaultValue);
// The 4-byte value, or `defaultValue`.
int GetDword(HKEY root, const char* subPath, const char* name, int defaultValue);
// Reads a text of at most size - 1 characters into `dest` (`size` bytes). A
// longer value is never cut: it fails, and `dest` gets `defaultText` (cut to
// fit). False on any failure.
bool ReadString(HKEY root, const char* subPath, const char* name, char* dest,
                const char* defaultText, size_t size);
// Each value is written with one call, so a failure leaves the old value whole.
// True when the value was written.
bool WriteDword(HKEY root, const char* subPath, const char* name, int value);
bool WriteString(HKEY root, const char* subPath, const char* name, const char* text);
// The same on a key opened with OpenKeyForWrite, for several values in a row.
bool WriteDwordTo(HKEY key, const char* name, int value);
bool WriteStringTo(HKEY key, const char* name, const char* text);
// Copies every value of `fromSubPath` (any type and length) into the key
// `to` opened with OpenKeyForWrite. False when a value could not be read or
// written; values already copied stay.
bool CopyValues(HKEY root, const char* fromSubPath, HKEY to);
// Closes a key from OpenKeyForWrite or OpenKeyForRead.
void CloseKey(HKEY key);
// The whole text value `name`, however long, in a block from GlobalAlloc that
// the caller frees with GlobalFree; terminated even when the stored bytes are
// not. Null when the value is missing or memory runs out.
char* ReadWholeString(HKEY root, const char* subPath, const char* name);
// Deletes the key `subPath` with every key below it (the registry itself
// refuses to delete a key that has sub-keys). True when the key is gone,
// also when it was missing; false when some part of it could not be deleted.
bool DeleteKey(HKEY root, const char* subPath);

// Walks the sub-keys of `subPath` in the registry's order and stops at the
// first the filter accepts: its name, at most `n` characters, goes into `dest`
// (n + 1 bytes: padded with zero bytes, terminated at n). False, and `dest`
// untouched, when none was accepted.
bool FindSubKey(HKEY root, const char* subPath, SubKeyFilter filter, void* userData, char* dest,
                size_t n);
// The name of the sub-key at enumeration `index` (at most kSubKeyNameSize - 1
// characters) into `dest` of kSubKeyNameSize bytes; false (and `dest` empty)
// when there is none.
bool SubKeyNameAt(HKEY root, const char* subPath, int index, char (&dest)[kSubKeyNameSize]);
// One menu item per sub-key of `subPath`, in the registry's order, each filled
// by `filler`. Never an empty list: a missing key or one without sub-keys
// gives one item with empty text. The caller frees `*items` with GlobalFree.
// Returns the count; 0 (and null) only when not even one item can be allocated.
// When memory runs out during the walk the items collected so far are kept.
int CollectSubKeys(HKEY root, const char* subPath, SubKeyItemFiller filler, FarMenuItem** items,
                   int* selection, const char* currentName);
