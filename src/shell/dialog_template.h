// Compact dialog templates: the module's three dialogs are static tables of
// these items. RunDialog expands a copy into the host's records, shows it and,
// only when the default button closed it, writes the user's states and texts
// back into the copy.
// Covered by tests/shell/dialog_template_test.cpp.
#pragma once

#include <stddef.h>

#include "shell/plugin_api.h"

enum {
  // A template's Data below this is a message number, from it on a pointer.
  kFirstTextPointer = 2000,
  // Y2 of a separator row.
  kSeparatorRow = 255,
  // Every caller buffer a template's Data points at holds this many bytes:
  // the host's record text field, whose whole text the copy-back writes.
  kDialogTextSize = 512,
};

// 17 bytes, packed, on the 32-bit target; Selected and Data hold pointers, so
// on 64-bit builds they are pointer-wide and the item is larger.
#pragma pack(push, 1)
struct DialogTemplateItem {
  unsigned char Type;
  unsigned char X1;
  unsigned char Y1;
  unsigned char X2;
  unsigned char Y2;    // kSeparatorRow: a separator line
  DWORD_PTR Selected;  // check state, or the history name of a DIF_HISTORY field
  DWORD Flags;
  DWORD_PTR Data;  // message number, or a kDialogTextSize caller buffer
};
#pragma pack(pop)

// Five bytes, two pointer-wide fields and the flags, no padding: 17 bytes on
// the 32-bit target.
static_assert(sizeof(DialogTemplateItem) == 5 + 2 * sizeof(DWORD_PTR) + sizeof(DWORD),
              "packed template");

// The pointer forms of a template's Selected/History and Data.
inline DWORD_PTR TemplateText(const char* text) {
  return reinterpret_cast<DWORD_PTR>(text);
}
inline DWORD_PTR TemplateBuffer(char* buffer) {
  return reinterpret_cast<DWORD_PTR>(buffer);
}

// Fills `record` from `item`: message texts fetched, caller texts copied (at
// most 511 characters), separators flagged DIF_SEPARATOR | DIF_BOXCOLOR with
// no text. Focus and DefaultButton are 0.
void ExpandTemplate(const DialogTemplateItem& item, FarDialogItem* record);
// Writes the record's state into the item and, for a caller buffer that is not
// a separator, the record's text with its terminator.
void CopyBackTemplate(DialogTemplateItem* item, const FarDialogItem& record);

// Shows `count` items centred, sized by item 0 (X2 + 4 by Y2 + 2). Returns
// the index of the item that closed the dialog, -1 for Esc; `items` changes
// only when that index is `defaultIndex`. -1 as well, and nothing shown, when
// the working records cannot be allocated.
int RunDialog(DialogTemplateItem* items, int count, int focusIndex, int defaultIndex,
              const char* helpTopic);
