// Raw mode, drawing and reading. A lone ESC is told from the start of a
// sequence by a 30 ms pause; host/terminal_keys.cpp decodes the bytes.
#include "terminal.h"

#include <stdio.h>
#include <string.h>

#include "host/code_pages.h"
#include "host/terminal_keys.h"

using host::ScriptKey;

#ifdef _WIN32

bool StdinIsTerminal() {
  return false;
}
bool EnterTerminal(std::string* error) {
  *error = "interactive mode needs the native build; give --keys or --script";
  return false;
}
void LeaveTerminal() {}
void PresentScreen(const host::Screen&) {}
bool ReadTerminalKey(ScriptKey*) {
  return false;
}

bool PollTerminalKey(ScriptKey*) {
  return false;
}

#else

#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct termios saved;
bool active = false;
std::string pending;

void WriteAll(const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(STDOUT_FILENO, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

void OnSignal(int signal) {
  LeaveTerminal();
  _exit(128 + signal);
}

}  // namespace

bool StdinIsTerminal() {
  return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
}

bool EnterTerminal(std::string* error) {
  if (tcgetattr(STDIN_FILENO, &saved) != 0) {
    *error = "standard input is not a terminal";
    return false;
  }
  struct termios raw = saved;
  cfmakeraw(&raw);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw) != 0) {
    *error = "cannot put the terminal in raw mode";
    return false;
  }
  active = true;
  signal(SIGINT, OnSignal);
  signal(SIGTERM, OnSignal);
  signal(SIGHUP, OnSignal);
  WriteAll("\x1b[?1049h\x1b[H\x1b[2J");
  return true;
}

void LeaveTerminal() {
  if (!active) return;
  active = false;
  WriteAll("\x1b[0m\x1b[?25h\x1b[?1049l");
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
}

void PresentScreen(const host::Screen& screen) {
  static const int kAnsi[8] = {0, 4, 2, 6, 1, 5, 3, 7};  // CGA colour order to ANSI
  std::string out = "\x1b[?25l\x1b[H";
  int last = -1;
  for (int y = 0; y < screen.Rows(); ++y) {
    char move[32];
    snprintf(move, sizeof move, "\x1b[%d;1H", y + 1);
    out += move;
    for (int x = 0; x < screen.Columns(); ++x) {
      const host::Cell& cell = screen.At(x, y);
      if (cell.attr != last) {
        int fg = cell.attr & 15, bg = cell.attr >> 4;
        char sgr[32];
        snprintf(sgr, sizeof sgr, "\x1b[0;%d;%dm", (fg & 8 ? 90 : 30) + kAnsi[fg & 7],
                 (bg & 8 ? 100 : 40) + kAnsi[bg & 7]);
        out += sgr;
        last = cell.attr;
      }
      host::AppendUtf8(cell.Shown(), &out);
    }
  }
  out += "\x1b[0m";
  if (screen.cursorVisible && screen.cursorX >= 0 && screen.cursorX < screen.Columns()) {
    char move[48];
    snprintf(move, sizeof move, "\x1b[%d;%dH\x1b[?25h", screen.cursorY + 1, screen.cursorX + 1);
    out += move;
  }
  WriteAll(out);
}

bool ReadTerminalKey(ScriptKey* key) {
  for (;;) {
    if (!pending.empty()) {
      struct pollfd more = {STDIN_FILENO, POLLIN, 0};
      bool final = poll(&more, 1, pending[0] == 0x1B ? 30 : 0) <= 0;
      if (!final) {
        char buffer[64];
        ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n > 0) pending.append(buffer, static_cast<size_t>(n));
        final = n <= 0;
      }
      int used = host::DecodeTerminalKey(pending, final, key);
      if (used > 0) {
        pending.erase(0, static_cast<size_t>(used));
        return true;
      }
      if (used < 0 || final) pending.erase(0, 1);
      continue;
    }
    char buffer[64];
    ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) return false;
    pending.append(buffer, static_cast<size_t>(n));
  }
}

bool PollTerminalKey(ScriptKey* key) {
  if (pending.empty()) {
    struct pollfd ready = {STDIN_FILENO, POLLIN, 0};
    if (poll(&ready, 1, 0) <= 0) return false;
  }
  return ReadTerminalKey(key);
}

#endif
