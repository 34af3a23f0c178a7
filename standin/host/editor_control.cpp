// EditorControl over the stand-in's editor. The per-line commands
// (GETSTRING, SETPOSITION, EDITORTOOEM) are what a scan calls hundreds of
// thousands of times: with tracing off they touch no heap and format nothing.
#include <string.h>

#include "code_pages.h"
#include "host_state.h"
#include "trace_line.h"

namespace host {
namespace {

const char* CommandName(int command) {
  switch (command) {
    case ECTL_GETSTRING: return "ECTL_GETSTRING";
    case ECTL_SETSTRING: return "ECTL_SETSTRING";
    case ECTL_GETINFO: return "ECTL_GETINFO";
    case ECTL_SETPOSITION: return "ECTL_SETPOSITION";
    case ECTL_EDITORTOOEM: return "ECTL_EDITORTOOEM";
    case ECTL_OEMTOEDITOR: return "ECTL_OEMTOEDITOR";
    case ECTL_PROCESSINPUT: return "ECTL_PROCESSINPUT";
  }
  return "unknown";
}

int GetString(HostState& s, EditorGetString* request) {
  Editor& e = s.editor;
  int number = request->StringNumber == -1 ? e.CurLine() : request->StringNumber;
  int length = 0;
  const char* text = e.LineData(number, &length);
  if (!text) return FALSE;
  request->StringText = text;
  request->StringLength = length;
  request->StringEOL = number + 1 < e.TotalLines() ? "\n" : "";
  request->SelStart = -1;
  request->SelEnd = -1;
  return TRUE;
}

void GetInfo(HostState& s, EditorInfo* info) {
  Editor& e = s.editor;
  memset(info, 0, sizeof *info);
  info->EditorID = 0;
  info->FileName = e.FileName().c_str();
  info->WindowSizeX = e.WindowColumns();
  info->WindowSizeY = e.WindowRows();
  info->TotalLines = e.TotalLines();
  info->CurLine = e.CurLine();
  info->CurPos = e.CurPos();
  info->CurTabPos = TabPosition(e.Line(e.CurLine()), e.CurPos());
  info->TopScreenLine = e.TopScreenLine();
  info->LeftPos = e.LeftPos();
  info->Overtype = e.Overtype() ? 1 : 0;
  info->BlockType = 0;
  info->BlockStartLine = -1;
  info->AnsiMode = e.Ansi() ? 1 : 0;
  info->TableNum = -1;
  info->TabSize = 8;
  info->CurState = e.Modified() ? 1 : 0;
}

void Convert(char* text, int length, bool toOem) {
  for (int i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) text[i] = static_cast<char>(toOem ? AnsiToOemByte(c) : OemToAnsiByte(c));
  }
}

void TraceCall(HostState& s, int command, void* param, int result) {
  TraceLine line("EditorControl");
  line.Text("command", CommandName(command));
  if (command < 0 || command > 40) line.Int("number", command);
  if (!param && command != ECTL_GETINFO) {
    s.Record(line.Text("error", "null parameter").Int("result", result).Done());
    return;
  }
  switch (command) {
    case ECTL_GETSTRING: {
      EditorGetString* r = static_cast<EditorGetString*>(param);
      line.Int("line", r->StringNumber);
      if (result) line.Int("length", r->StringLength);
      break;
    }
    case ECTL_GETINFO: {
      EditorInfo* i = static_cast<EditorInfo*>(param);
      if (!i) break;
      line.Text("fileName", i->FileName)
          .Int("totalLines", i->TotalLines)
          .Int("curLine", i->CurLine)
          .Int("curPos", i->CurPos)
          .Int("topScreenLine", i->TopScreenLine)
          .Int("leftPos", i->LeftPos)
          .Int("ansiMode", i->AnsiMode);
      break;
    }
    case ECTL_SETPOSITION: {
      EditorSetPosition* p = static_cast<EditorSetPosition*>(param);
      line.Int("curLine", p->CurLine)
          .Int("curPos", p->CurPos)
          .Int("curTabPos", p->CurTabPos)
          .Int("topScreenLine", p->TopScreenLine)
          .Int("leftPos", p->LeftPos)
          .Int("overtype", p->Overtype);
      break;
    }
    case ECTL_EDITORTOOEM:
    case ECTL_OEMTOEDITOR: {
      EditorConvertText* c = static_cast<EditorConvertText*>(param);
      line.Int("length", c->TextLength);
      if (c->Text && c->TextLength > 0) line.Text("text", std::string(c->Text, c->TextLength));
      break;
    }
    case ECTL_PROCESSINPUT: {
      INPUT_RECORD* r = static_cast<INPUT_RECORD*>(param);
      line.Int("eventType", r->EventType);
      if (r->EventType == KEY_EVENT)
        line.Text("key",
                  KeyName(r->Event.KeyEvent.wVirtualKeyCode, r->Event.KeyEvent.dwControlKeyState,
                          static_cast<unsigned char>(r->Event.KeyEvent.uChar.AsciiChar)))
            .Bool("down", r->Event.KeyEvent.bKeyDown != 0);
      line.Int("curLine", s.editor.CurLine()).Int("curPos", s.editor.CurPos());
      break;
    }
  }
  s.Record(line.Int("result", result).Done());
}

int Execute(HostState& s, int command, void* param) {
  Editor& e = s.editor;
  switch (command) {
    case ECTL_GETSTRING: return param ? GetString(s, static_cast<EditorGetString*>(param)) : FALSE;
    case ECTL_GETINFO:
      if (!param) return FALSE;
      GetInfo(s, static_cast<EditorInfo*>(param));
      return TRUE;
    case ECTL_SETPOSITION: {
      if (!param) return FALSE;
      const EditorSetPosition* p = static_cast<const EditorSetPosition*>(param);
      int pos = p->CurPos;
      if (pos < 0 && p->CurTabPos >= 0) {  // the tab column back to a character index
        const std::string& line = e.Line(p->CurLine >= 0 ? p->CurLine : e.CurLine());
        pos = 0;
        while (TabPosition(line, pos + 1) <= p->CurTabPos && pos < p->CurTabPos) ++pos;
      }
      e.SetCursor(p->CurLine, pos, p->TopScreenLine, p->LeftPos);
      return TRUE;
    }
    case ECTL_EDITORTOOEM:
    case ECTL_OEMTOEDITOR: {
      EditorConvertText* c = static_cast<EditorConvertText*>(param);
      if (!c || (!c->Text && c->TextLength > 0) || c->TextLength < 0) return FALSE;
      if (e.Ansi()) Convert(c->Text, c->TextLength, command == ECTL_EDITORTOOEM);
      return TRUE;
    }
    case ECTL_PROCESSINPUT: {
      const INPUT_RECORD* r = static_cast<const INPUT_RECORD*>(param);
      if (!r) return FALSE;
      if (r->EventType == KEY_EVENT && r->Event.KeyEvent.bKeyDown)
        e.ProcessKey(r->Event.KeyEvent.wVirtualKeyCode, r->Event.KeyEvent.dwControlKeyState,
                     r->Event.KeyEvent.uChar.AsciiChar);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

int EditorControlCommand(HostState& s, int command, void* param) {
  if (!s.tracing) return Execute(s, command, param);
  if (command == ECTL_EDITORTOOEM && param) {
    // Trace the text as it came in, before the conversion.
    EditorConvertText* c = static_cast<EditorConvertText*>(param);
    std::string before = c->Text && c->TextLength > 0 ? std::string(c->Text, c->TextLength) : "";
    int result = Execute(s, command, param);
    TraceLine line("EditorControl");
    line.Text("command", CommandName(command)).Int("length", c->TextLength);
    if (s.editor.Ansi())
      line.AnsiText("text", before);
    else
      line.Text("text", before);
    s.Record(line.Int("result", result).Done());
    return result;
  }
  int result = Execute(s, command, param);
  TraceCall(s, command, param, result);
  return result;
}

}  // namespace host
