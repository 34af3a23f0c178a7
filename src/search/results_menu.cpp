// Entries are written with plain copies and a digit loop: the column widths
// are settled once per menu, so a menu of a million results costs no
// formatting call per entry.
// Covered by tests/search/results_menu_test.cpp.
#include "search/results_menu.h"

#include "search/message_format.h"
#include "search/result_pages.h"
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

// The page keys, as break keys of the menu of one page, and where each leads.
struct PageKey {
  int key;
  PageMove move;
};
const PageKey kPageKeys[] = {
    {VK_PRIOR | (PKF_CONTROL << 16), kPagePrevious},
    {VK_NEXT | (PKF_CONTROL << 16), kPageNext},
    {VK_HOME | (PKF_CONTROL << 16), kPageFirst},
    {VK_END | (PKF_CONTROL << 16), kPageLast},
};
enum { kPageKeyCount = sizeof kPageKeys / sizeof kPageKeys[0] };

// The break keys that lead somewhere from `page`, 0-terminated, with the move
// of each; returns their number.
int PageBreakKeys(const ResultPage& page, int (&keys)[kPageKeyCount + 1],
                  PageMove (&moves)[kPageKeyCount]) {
  int n = 0;
  for (const PageKey& pageKey : kPageKeys) {
    bool back = pageKey.move == kPagePrevious || pageKey.move == kPageFirst;
    if (back ? !page.before : !page.after) continue;
    keys[n] = pageKey.key;
    moves[n++] = pageKey.move;
  }
  keys[n] = 0;
  return n;
}

// The entry leading to the pages before (`previous`) or after `page`.
void PutPageEntry(FarMenuItem* entry, const ResultPage& page, unsigned total, bool previous) {
  ResultPage next = MovedPage(page, total, previous ? kPagePrevious : kPageNext);
  FormatWithNumbers(entry->Text, sizeof entry->Text,
                    GetMsg(previous ? MsgPagePrevious : MsgPageNext), int(next.first + 1),
                    int(next.first + next.count), 0);
}

// Fills the entries of `page`, the one of `selected` marked; returns their number.
int FillPage(FarMenuItem* entries, ResultList* list, const ResultPage& page,
             const EntryLayout& layout, int selected) {
  unsigned total = list->Count(), at = 0;
  if (page.before) PutPageEntry(&entries[at++], page, total, true);
  for (unsigned i = 0; i < page.count; ++i)
    PutEntry(entries[at++].Text, *list->Get(page.first + i), layout);
  if (page.after) PutPageEntry(&entries[at++], page, total, false);
  for (unsigned i = 0; i < at; ++i) {
    entries[i].Selected = int(i) == selected;
    entries[i].Checked = entries[i].Separator = 0;
  }
  return int(at);
}

// Shows `page`, starting on entry `selected`; returns the chosen entry (-1
// for Esc) and in *move where a page key or entry leads.
int ShowPage(FarMenuItem* entries, ResultList* list, const ResultPage& page, const char* title,
             const EntryLayout& layout, int selected, int stoppedLine, PageMove* move) {
  int count = FillPage(entries, list, page, layout, selected);
  char bottom[kResultsTitleSize];
  FormatResultsBottom(bottom, sizeof bottom, list->Count(), page.first, page.count, stoppedLine);
  int keys[kPageKeyCount + 1];
  PageMove moves[kPageKeyCount];
  bool paged = page.before || page.after;
  if (paged) PageBreakKeys(page, keys, moves);
  int breakCode = -1;
  // One page of everything is the menu as it always was: no page keys.
  int chosen = HostInfo.Menu(HostInfo.ModuleNumber, -1, -1, 0, FMENU_SHOWAMPERSAND | FMENU_WRAPMODE,
                             title, bottom, nullptr, paged ? keys : nullptr,
                             paged ? &breakCode : nullptr, entries, count);
  if (chosen < 0 || chosen >= count) return -1;
  *move = breakCode >= 0 && breakCode < kPageKeyCount ? moves[breakCode] : page.EntryMove(chosen);
  return chosen;
}

void ShowMenu(ResultList* list, const char* title, const ResultColumns& columns,
              const Options& options, int stoppedLine) {
  unsigned total = list->Count();
  ResultPage page = PageHolding(total, 0);
  // Room for the largest page and its two page entries.
  unsigned room = page.count + 2;
  if (room > SIZE_MAX / sizeof(FarMenuItem) || room > 0x7FFFFFFF) return;
  FarMenuItem* entries =
      static_cast<FarMenuItem*>(GlobalAlloc(GMEM_FIXED, room * sizeof(FarMenuItem)));
  if (!entries) return;
  const EntryLayout layout = LayoutFor(columns, options.Lines != 0, options.CFunc != 0);
  int selected = 0;
  for (;;) {
    PageMove move = kPageStay;
    int chosen = ShowPage(entries, list, page, title, layout, selected, stoppedLine, &move);
    if (chosen < 0) break;
    if (move == kPageStay) {
      const SearchResult* result = list->Get(page.EntryResult(chosen));
      SetEditorCursor(result->line, result->position, -1, -1);
      break;
    }
    ResultPage next = MovedPage(page, total, move);
    // Back to the results just left: the last of an earlier page, the first
    // of a later one; a key that leads nowhere keeps the cursor.
    if (next.first == page.first)
      selected = chosen;
    else
      selected = next.first < page.first ? next.LastResultEntry() : next.FirstResultEntry();
    page = next;
  }
  GlobalFree(entries);
}

}  // namespace

// Called for every result of a scan: most lines widen nothing, and a number
// below 10^width has no more digits than the column already holds.
void WidenColumns(ResultColumns* columns, const SearchResult& result, bool lines) {
  if (lines) {
    const long long shown = static_cast<long long>(result.line) + 1;
    const int width = columns->lineNumberWidth;
    static const long long kTenTo[] = {1,       10,       100,       1000,       10000,      100000,
                                       1000000, 10000000, 100000000, 1000000000, 10000000000};
    const int kPowers = sizeof kTenTo / sizeof kTenTo[0];
    if (width < 1 || width >= kPowers || shown >= kTenTo[width]) {
      int digits = DecimalDigits(shown);
      if (digits > width) columns->lineNumberWidth = digits;
    }
  }
  if (!result.function[0]) return;
  size_t length = strlen(result.function);
  if (length > columns->functionWidth) columns->functionWidth = unsigned(length);
}

void FormatResultEntry(char* entry, const SearchResult& result, const ResultColumns& columns,
                       bool lines, bool functions) {
  PutEntry(entry, result, LayoutFor(columns, lines, functions));
}

void FormatResultsBottom(char* bottom, size_t size, unsigned total, unsigned first, unsigned shown,
                         int stoppedLine) {
  if (size == 0) return;
  if (stoppedLine >= 0 && total == 0) {
    FormatWithNumber(bottom, size, GetMsg(MsgStoppedEmpty), stoppedLine + 1);
    return;
  }
  if (first == 0 && shown == total)
    FormatWithNumber(bottom, size, GetMsg(MsgResultsCount), int(total));
  else
    FormatWithNumbers(bottom, size, GetMsg(MsgResultsPage), int(total), int(first + 1),
                      int(first + shown));
  if (stoppedLine < 0) return;
  size_t used = strlen(bottom);
  FormatWithNumber(bottom + used, size - used, GetMsg(MsgResultsStopped), stoppedLine + 1);
}

void PresentResults(ResultList* list, const char* searchText, const ResultColumns& columns,
                    const Options& options, int stoppedLine) {
  char title[kResultsTitleSize];
  FormatWithText(title, sizeof title, GetMsg(MsgResultsTitle), searchText);
  if (list->Count() == 0) {
    if (options.ZeroWarn) {
      char bottom[kResultsTitleSize];
      FormatResultsBottom(bottom, sizeof bottom, 0, 0, 0, stoppedLine);
      ShowNothingFound(title, bottom);
    }
  } else {
    ShowMenu(list, title, columns, options, stoppedLine);
  }
  list->Destroy(2);
}
