// The scan is the module's hot loop. Per line it costs a cursor move, a line
// read and a conversion to OEM through the host, then one to three searches;
// everything that can be settled once per search (mode, suffix, needle length,
// fold table, compiled patterns) is settled before the first line. The line
// copy lives in one block that grows to the longest line and is released
// after the scan, instead of a block per line; the plain case-insensitive
// search reads the line through the fold table instead of folding a copy.
// Covered by tests/search/line_scan_test.cpp.
#include "search/line_scan.h"

#include "search/function_header.h"
#include "search/message_format.h"
#include "search/pattern_search.h"
#include "search/text_finder.h"
#include "settings/options.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "shell/win_api.h"
#include "text/bounded_copy.h"
#include "text/fold_case.h"

#include <string.h>

namespace {

// A block from the global heap that grows to the largest size asked for.
class ScanBuffer {
 public:
  ScanBuffer() = default;
  ScanBuffer(const ScanBuffer&) = delete;
  ScanBuffer& operator=(const ScanBuffer&) = delete;
  ~ScanBuffer() {
    if (data) GlobalFree(data);
  }

  // Room for `size` bytes; null when the block cannot grow (the old one stays).
  char* Reserve(size_t size) {
    if (size <= capacity) return data;
    size_t grown = capacity * 2 > size ? capacity * 2 : size;
    if (grown < kMinimumBlock) grown = kMinimumBlock;
    char* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, grown));
    if (!block && grown > size) {
      grown = size;  // the doubled block was too much; the line itself may still fit
      block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, grown));
    }
    if (!block) return nullptr;
    if (data) GlobalFree(data);
    data = block;
    capacity = grown;
    return data;
  }

 private:
  static const size_t kMinimumBlock = 256;
  char* data = nullptr;
  size_t capacity = 0;
};

// What the options say, settled once per search.
struct ScanPlan {
  int start, end;
  int progressStep;  // progress and Esc every this many lines when > 10
  bool patternMode;
  bool foldLines;  // plain case-insensitive: compare through the fold table
  bool lines, functions;
  const char* suffix;
  size_t searchLength;
};

ScanPlan PlanScan(const LineScan& scan, const Options& options, const EditorCursor& start) {
  ScanPlan plan;
  plan.start = options.After ? start.CurLine : 0;
  plan.end = options.Before ? start.CurLine : scan.totalLines;
  long long range = static_cast<long long>(plan.end) - plan.start;
  plan.progressStep = range > 0 ? int(range / 100) : 0;
  plan.patternMode = options.RegExp != 0;
  plan.foldLines = !options.Case && !options.RegExp;
  plan.lines = options.Lines != 0;
  plan.functions = options.CFunc != 0;
  plan.suffix = !options.Case && options.RegExp ? "/i" : "/";
  plan.searchLength = strlen(scan.searchCopy);
  return plan;
}

void ShowProgress(const ScanPlan& plan, int line, unsigned found) {
  char foundLine[kProgressLineSize] = "";
  if (found) FormatWithNumber(foundLine, sizeof foundLine, GetMsg(MsgProgressFound), int(found));
  long long done = static_cast<long long>(line - plan.start) * 100 / (plan.end - plan.start);
  char percentLine[kProgressLineSize];
  FormatWithNumber(percentLine, sizeof percentLine, GetMsg(MsgProgressPercent), int(done));
  const char* items[] = {GetMsg(MsgSearchTitle), percentLine, foundLine};
  HostInfo.Message(HostInfo.ModuleNumber, 0, nullptr, items, 3, 0);
}

class Scanner {
 public:
  Scanner(LineScan* scan, const ScanPlan& plan, ResultList* results)
      : scan(scan),
        plan(plan),
        results(results),
        folded(PrepareFoldedNeedle(scan->searchCopy, plan.searchLength, FoldCaseTable())),
        pattern(scan->searchCopy, "/", plan.suffix),
        header(settings.rule) {}

  // Examines line `i`: reads it, tracks the function name, searches it and
  // records it when found. A line whose copy cannot be allocated is skipped.
  void ExamineLine(int i) {
    SetEditorCursor(i, -1, -1, -1);
    EditorGetString request = {};
    GetEditorLine(&request, -1);
    if (request.StringLength <= 0) return;  // an empty line is never a header or a result
    size_t length = size_t(request.StringLength);
    char* line = lineCopy.Reserve(length + 1);
    if (!line) return;
    memcpy(line, request.StringText, length);
    line[length] = '\0';
    EditorConvertText convert = {line, request.StringLength};
    HostInfo.EditorControl(ECTL_EDITORTOOEM, &convert);

    if (plan.functions && header.IsHeader(line, scan->currentFunction))
      ShortenFunctionName(scan->currentFunction);
    int position = 0;
    if (!Search(line, length, &position)) return;
    if (EscPressedWhileMatching()) return;  // the line was not fully examined
    const SearchResult* result = AddSearchResult(results, i, position, line, scan->currentFunction);
    if (result) WidenColumns(&scan->columns, *result, plan.lines);
  }

 private:
  // FindText on the NUL-terminated subject. Plain mode searches the measured
  // line and looks for a NUL byte only in front of a match: with none there,
  // the first match in the line is the first in the terminated text.
  bool Search(const char* subject, size_t length, int* position) {
    if (plan.patternMode) return pattern.Find(subject, position, 0, nullptr);
    const char* found = FindPlain(subject, length);
    if (found && memchr(subject, '\0', size_t(found - subject) + plan.searchLength))
      found = FindPlain(subject, strlen(subject));
    if (!found) return false;
    *position = int(found - subject);
    return true;
  }

  const char* FindPlain(const char* subject, size_t length) const {
    if (plan.foldLines) return FindFoldedBytes(subject, length, folded);
    return FindBytes(subject, length, scan->searchCopy, plan.searchLength);
  }

  LineScan* scan;
  const ScanPlan& plan;
  ResultList* results;
  const FoldedNeedle folded;  // the folded searchCopy, used only when foldLines
  RepeatedPattern pattern;    // searchCopy as a pattern, used only in pattern mode
  FunctionHeaderCheck header;
  ScanBuffer lineCopy;
};

}  // namespace

void PrepareLineScan(LineScan* scan) {
  scan->currentFunction[0] = '\0';
  scan->columns.functionWidth = 0;
  EditorInfo info = {};
  HostInfo.EditorControl(ECTL_GETINFO, &info);
  scan->totalLines = info.TotalLines;
}

void RunLineScan(LineScan* scan, const char* searchText, const EditorCursor& start) {
  const Options options = settings.options;
  CopyCut(scan->searchCopy, searchText, sizeof scan->searchCopy);
  if (!options.Case && !options.RegExp) FoldCase(scan->searchCopy);
  scan->columns.lineNumberWidth = 1;
  const ScanPlan plan = PlanScan(*scan, options, start);
  const bool progress = plan.progressStep >= kProgressMinStep;
  HANDLE savedScreen = progress ? HostInfo.SaveScreen(0, 0, -1, -1) : nullptr;
  ResultList results(10, 5);
  badPatternShown = 0;
  ArmEscWhileMatching();
  int stoppedLine = kScanNotStopped;
  {
    Scanner scanner(scan, plan, &results);
    long long nextTick = plan.start;
    for (int i = plan.start; i < plan.end; ++i) {
      if (progress && i == nextTick) {
        if (CheckForEsc()) {
          stoppedLine = i;
          break;
        }
        ShowProgress(plan, i, results.Count());
        nextTick += plan.progressStep;
      }
      scanner.ExamineLine(i);
      if (EscPressedWhileMatching()) {  // ends as an Esc at a tick does
        stoppedLine = i;
        break;
      }
    }
  }
  DisarmEscWhileMatching();
  if (progress) HostInfo.RestoreScreen(savedScreen);
  SetEditorCursor(start.CurLine, start.CurPos, start.TopScreenLine, start.LeftPos);
  PresentResults(&results, searchText, scan->columns, options, stoppedLine);
}
