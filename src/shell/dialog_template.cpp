// Dialog templates: expansion into the host's records, the host's Dialog on a
// working array of its own (the host writes every record back, even on Esc),
// and the copy-back that only the default button triggers.
// Covered by tests/shell/dialog_template_test.cpp.
#include "shell/dialog_template.h"

#include <string.h>

#include "shell/host_info.h"

// Copies at most 511 characters of `text` into the record's text field.
static void SetRecordText(FarDialogItem* record, const char* text) {
  size_t length = text ? strnlen(text, sizeof record->Data - 1) : 0;
  if (length) memcpy(record->Data, text, length);
  record->Data[length] = 0;
}

static bool IsSeparator(const DialogTemplateItem& item) {
  return item.Y2 == kSeparatorRow;
}

static bool HasCallerBuffer(const DialogTemplateItem& item) {
  return item.Data >= kFirstTextPointer && !IsSeparator(item);
}

void ExpandTemplate(const DialogTemplateItem& item, FarDialogItem* record) {
  record->Type = item.Type;
  record->X1 = item.X1;
  record->Y1 = item.Y1;
  record->X2 = item.X2;
  record->Focus = 0;
  record->Reserved = item.Selected;
  record->Flags = item.Flags;
  record->DefaultButton = 0;
  if (IsSeparator(item)) {
    record->Y2 = 0;
    record->Flags = DIF_SEPARATOR | DIF_BOXCOLOR;
    record->Data[0] = 0;
  } else if (item.Data < kFirstTextPointer) {
    record->Y2 = item.Y2;
    SetRecordText(record, GetMsg(static_cast<int>(item.Data)));
  } else {
    record->Y2 = item.Y2;
    SetRecordText(record, reinterpret_cast<const char*>(item.Data));
  }
}

void CopyBackTemplate(DialogTemplateItem* item, const FarDialogItem& record) {
  item->Selected = record.Reserved;
  if (!HasCallerBuffer(*item)) return;
  // The caller's buffer holds kDialogTextSize bytes; a record the host left
  // unterminated is cut there.
  size_t length = strnlen(record.Data, kDialogTextSize - 1);
  char* buffer = reinterpret_cast<char*>(item->Data);
  memcpy(buffer, record.Data, length);
  buffer[length] = 0;
}

int RunDialog(DialogTemplateItem* items, int count, int focusIndex, int defaultIndex,
              const char* helpTopic) {
  if (count <= 0) return -1;
  FarDialogItem* records = static_cast<FarDialogItem*>(
      GlobalAlloc(GMEM_FIXED, static_cast<size_t>(count) * sizeof(FarDialogItem)));
  if (!records) return -1;
  for (int i = 0; i < count; ++i) ExpandTemplate(items[i], &records[i]);
  if (defaultIndex >= 0 && defaultIndex < count) records[defaultIndex].DefaultButton = 1;
  if (focusIndex >= 0 && focusIndex < count) records[focusIndex].Focus = 1;
  int result = HostInfo.Dialog(HostInfo.ModuleNumber, -1, -1, records[0].X2 + 4, records[0].Y2 + 2,
                               helpTopic, records, count);
  if (result == defaultIndex)
    for (int i = 0; i < count; ++i) CopyBackTemplate(&items[i], records[i]);
  GlobalFree(records);
  return result;
}
