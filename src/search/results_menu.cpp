// Entries are written with plain copies and a digit loop: the column widths
// are settled once per menu, so a menu of a million results costs no
// formatting call per entry.
// Covered by tests/search/results_menu_test.cpp.
#include "search/results_menu.h"

#include "search/message_format.h"
#include "settings/options.h"
#include "shell/editor_access.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "shell/win_api.h"

#include <stdint.h>
#include <string.h>

namespace {

enum {
  kNumberColumnSize = 16,  // 10 digits, separator, terminator
  kMaxNumberWidth = kNumberColumnSize - 2,
  kMaxFunctionWidth = kResultFunctionSize - 1,
  // How much of an entry a menu shows on the 80-column console: its frame
  // and margins take the rest.
  kShownEntryWidth = 72,
  kMinShownText = 24,  // text shown when wide columns leave less than this
  kMatchShown = 12,    // characters from the match start that must be on screen
  kContextBefore = 8,  // characters kept in front of the match when the text is cut
};

const char kCutMark[] = "...";
const size_t kCutMarkLength = sizeof kCutMark - 1;

// The columns of every entry of one menu, settled once before the first.
struct EntryLayout {
  bool lines, functions;
  int numberWidth;         // 1..kMaxNumberWidth
  unsigned functionWidth;  // 0..kMaxFunctionWidth
};

EntryLayout LayoutFor(const ResultColumns& columns, bool lines, bool functions) {
  EntryLayout layout = {lines, functions, columns.lineNumberWidth, columns.functionWidth};
  if (layout.numberWidth < 1) layout.numberWidth = 1;
  if (layout.numberWidth > kMaxNumberWidth) layout.numberWidth = kMaxNumberWidth;
  if (layout.functionWidth > kMaxFunctionWidth) layout.functionWidth = kMaxFunctionWidth;
  return layout;
}

int DecimalDigits(long long n) {
  int digits = 1;
  while (n >= 10) {
    n /= 10;
    ++digits;
  }
  return digits;
}

// Writes line + 1 right-aligned in `width` blanks and the separator, as "%*d"
// would (a longer number is written whole); returns the length written.
size_t PutNumberColumn(char* at, int line, int width) {
  long long number = static_cast<long long>(line) + 1;
  bool negative = number < 0;
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(number)
                                          : static_cast<unsigned long long>(number);
  int digits = DecimalDigits(static_cast<long long>(magnitude)) + (negative ? 1 : 0);
  int length = digits > width ? digits : width;
  char* end = at + length;
  char* p = end;
  do {
    *--p = char('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (negative) *--p = '-';
  while (p > at) *--p = ' ';
  *end = char(kColumnSeparator);
  return size_t(length) + 1;
}

// Writes `function` (cut to the widest stored name) left-aligned in `width`
// characters and the separator; returns the length written.
size_t PutFunctionColumn(char* at, const char* function, unsigned width) {
  size_t length = strnlen(function, kMaxFunctionWidth);
  memcpy(at, function, length);
  if (length < width) {
    memset(at + length, ' ', width - length);
    length = width;
  }
  at[length] = char(kColumnSeparator);
  return length + 1;
}

bool IsBlank(unsigned char c) {
  return c == ' ' || (c >= 9 && c <= 13);
}

// Where the shown text starts within the trimmed text of `length` bytes whose
// match starts at `match`: 0 while the match is on screen with `shown`
// characters of room, else shortly before the match (or the last screen of
// the text, when the match lies past the stored copy).
size_t ShownTextStart(size_t length, size_t match, size_t shown) {
  if (match + kMatchShown <= shown || length <= shown) return 0;
  size_t from = match > kContextBefore ? match - kContextBefore : 0;
  size_t tail = length - (shown - kCutMarkLength);
  if (match >= length && from > tail) from = tail;
  return from > kCutMarkLength ? from : 0;
}

// Writes the trimmed text of `result` into `at` with `room` bytes left before
// the entry's limit, starting with "..." shortly before a match that would lie
// off screen, and always when the stored copy starts inside the line; returns
// the length written.
size_t PutText(char* at, size_t room, size_t columnsLength, const SearchResult& result) {
  const unsigned char* text = reinterpret_cast<const unsigned char*>(result.text);
  size_t end = strnlen(result.text, kResultTextSize - 1);
  while (end > 0 && IsBlank(text[end - 1])) --end;
  size_t lead = 0;
  while (lead < end && IsBlank(text[lead])) ++lead;
  size_t length = end - lead;
  const long long inCopy = static_cast<long long>(result.position) - result.textStart;
  size_t match = inCopy > 0 && size_t(inCopy) > lead ? size_t(inCopy) - lead : 0;
  size_t shown = columnsLength + kMinShownText < kShownEntryWidth
                     ? size_t(kShownEntryWidth) - columnsLength
                     : size_t(kMinShownText);
  if (shown > room) shown = room;
  const bool cutBefore = result.textStart > 0;
  if (cutBefore) shown = shown > kCutMarkLength ? shown - kCutMarkLength : 0;
  size_t from = ShownTextStart(length, match, shown);
  size_t written = 0;
  if (from || cutBefore) {
    memcpy(at, kCutMark, kCutMarkLength);
    written = kCutMarkLength;
  }
  size_t copied = length - from;
  if (copied > room - written) copied = room - written;
  memcpy(at + written, result.text + lead + from, copied);
  return written + copied;
}

// One entry into `entry` (kMenuTextSize bytes), terminated.
void PutEntry(char* entry, const SearchResult& result, const EntryLayout& layout) {
  size_t length = 0;
  if (layout.lines) length += PutNumberColumn(entry, result.line, layout.numberWidth);
  if (layout.functions)
    length += PutFunctionColumn(entry + length, result.function, layout.functionWidth);
  length += PutText(entry + length, kMenuTextSize - 1 - length, length, result);
  entry[length] = '\0';
}

void ShowNothingFound(const char* title, const char* bottom) {
  const char* items[] = {title, bottom, GetMsg(MsgOk)};
  HostInfo.Message(HostInfo.ModuleNumber, FMSG_WARNING, nullptr, items, 3, 1);
}

void ShowMenu(ResultList* list, const char* title, const char* bottom, const ResultColumns& columns,
              const Options& options) {
  unsigned count = list->Count();
  if (count > SIZE_MAX / sizeof(FarMenuItem) || count > 0x7FFFFFFF) return;
  FarMenuItem* entries =
      static_cast<FarMenuItem*>(GlobalAlloc(GMEM_FIXED, count * sizeof(FarMenuItem)));
  if (!entries) return;
  const EntryLayout layout = LayoutFor(columns, options.Lines != 0, options.CFunc != 0);
  for (unsigned i = 0; i < count; ++i) {
    PutEntry(entries[i].Text, *list->Get(i), layout);
    entries[i].Selected = entries[i].Checked = entries[i].Separator = 0;
  }
  int chosen = HostInfo.Menu(HostInfo.ModuleNumber, -1, -1, 0, FMENU_SHOWAMPERSAND | FMENU_WRAPMODE,
                             title, bottom, nullptr, nullptr, nullptr, entries, int(count));
  if (chosen >= 0 && unsigned(chosen) < count) {
    const SearchResult* result = list->Get(unsigned(chosen));
    SetEditorCursor(result->line, result->position, -1, -1);
  }
  GlobalFree(entries);
}

}  // namespace

void WidenColumns(ResultColumns* columns, const SearchResult& result, bool lines) {
  if (lines) {
    int digits = DecimalDigits(static_cast<long long>(result.line) + 1);
    if (digits > columns->lineNumberWidth) columns->lineNumberWidth = digits;
  }
  size_t length = strlen(result.function);
  if (length > columns->functionWidth) columns->functionWidth = unsigned(length);
}

void FormatResultEntry(char* entry, const SearchResult& result, const ResultColumns& columns,
                       bool lines, bool functions) {
  PutEntry(entry, result, LayoutFor(columns, lines, functions));
}

void FormatResultsBottom(char* bottom, size_t size, unsigned count, int stoppedLine) {
  if (size == 0) return;
  if (stoppedLine >= 0 && count == 0) {
    FormatWithNumber(bottom, size, GetMsg(MsgStoppedEmpty), stoppedLine + 1);
    return;
  }
  FormatWithNumber(bottom, size, GetMsg(MsgResultsCount), int(count));
  if (stoppedLine < 0) return;
  size_t used = strlen(bottom);
  FormatWithNumber(bottom + used, size - used, GetMsg(MsgResultsStopped), stoppedLine + 1);
}

void PresentResults(ResultList* list, const char* searchText, const ResultColumns& columns,
                    const Options& options, int stoppedLine) {
  char title[kResultsTitleSize];
  char bottom[kResultsTitleSize];
  FormatWithText(title, sizeof title, GetMsg(MsgResultsTitle), searchText);
  FormatResultsBottom(bottom, sizeof bottom, list->Count(), stoppedLine);
  if (list->Count() == 0) {
    if (options.ZeroWarn) ShowNothingFound(title, bottom);
  } else {
    ShowMenu(list, title, bottom, columns, options);
  }
  list->Destroy(2);
}
