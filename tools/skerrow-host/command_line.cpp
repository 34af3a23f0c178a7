#include "command_line.h"

#include <stdio.h>
#include <string.h>

#include "host/lng_file.h"

const char* Usage() {
  return "usage: skerrow-host [options] FILE\n"
         "Opens FILE in the host stand-in's editor with the module loaded.\n"
         "Interactive when standard input is a terminal and no script is given:\n"
         "F11 plug-in menu, F10 quits, Alt+Shift+F9 the configuration menu (the stand-in's\n"
         "own key: it has no panels, where the real host has it under F9, Options, Plugins\n"
         "configuration); keys typed while the module works reach its console queue when\n"
         "it polls (Esc stops a search).\n"
         "  --keys \"KEY KEY ...\"  keys to press (Enter Esc Tab ShiftTab Space BS Ins Del\n"
         "                       Home End PgUp PgDn Up Down Left Right F1..F12 with Ctrl,\n"
         "                       Alt, Shift prefixes, e.g. CtrlLeft AltShiftF9; \"text\"\n"
         "                       types characters; !KEY types ahead into the console queue\n"
         "                       right after the previous key; KEY@N is queued once the\n"
         "                       module has polled the console N times and KEY@Nms N ms\n"
         "                       later (both counted from the previous key; a key that\n"
         "                       is still waiting when the host wants input is queued\n"
         "                       then); Snap prints the screen)\n"
         "  --script FILE        the same from a file ('#' starts a comment line)\n"
         "  --cursor LINE:POS    cursor before the script (0-based)\n"
         "  --lang eng|rus       language of messages and help (default eng)\n"
         "  --encoding utf8|oem|ansi   how FILE is stored (default utf8: converted into\n"
         "                       the table's code page; oem, ansi: the bytes as they are)\n"
         "  --table ansi|oem     the table the editor opens FILE in (default ansi, as the\n"
         "                       host does; F8 in the editor switches it)\n"
         "  --size COLSxROWS     screen size (default 80x25)\n"
         "  --registry FILE.reg  HKCU\\Software\\Far from this file at start, saved back at exit;\n"
         "                       an entry for the module under its PluginsCache gives the\n"
         "                       menu texts, and GetPluginInfo is not called, as in the\n"
         "                       host on every run after the first (none is written)\n"
         "  --import FILE.reg    merged into the registry at start, never written\n"
         "                       (HKCU\\Software\\Far holds nothing else, and is emptied\n"
         "                       at exit, also under Wine)\n"
         "  --trace FILE         one JSON line per host service call of the module\n"
         "  --trace-getmsg       also trace GetMsg\n"
         "  --key-times          after a timed key (KEY@N, KEY@Nms) say on stderr how many\n"
         "                       ms passed until the host was asked for a key again\n"
         "  --module PATH        the module to load (default: the one beside the program)\n"
         "Scripted runs print \"--- snap N\" and the screen at each Snap, then \"--- screen\",\n"
         "the final screen and \"cursor LINE POS TOP LEFT\"; exit 1 when the script ends\n"
         "while a dialog, menu or message waits, 2 on a usage or load error, 3 when the\n"
         "module asked for a menu too large for the real host (over 20,000 items: it\n"
         "would freeze for seconds to minutes; the menu is not shown).\n";
}

namespace {

bool Take(int argc, char** argv, int* i, std::string* value, std::string* error) {
  if (*i + 1 >= argc) {
    *error = std::string(argv[*i]) + " needs a value";
    return false;
  }
  *value = argv[++*i];
  return true;
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, HostCommandLine* line, std::string* error,
                      bool* help) {
  *help = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i], value;
    if (arg == "-h" || arg == "--help") {
      *help = true;
      return false;
    }
    if (arg == "--trace-getmsg") {
      line->traceGetMsg = true;
      continue;
    }
    if (arg == "--key-times") {
      line->keyTimes = true;
      continue;
    }
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      if (!line->file.empty()) {
        *error = "more than one FILE: " + line->file + ", " + arg;
        return false;
      }
      line->file = arg;
      continue;
    }
    if (!Take(argc, argv, &i, &value, error)) return false;
    if (arg == "--keys") {
      line->keys += " " + value + "\n";
      line->scripted = true;
    } else if (arg == "--script") {
      std::string text;
      if (!host::ReadWholeFile(value, &text, error)) return false;
      line->keys += "\n" + text + "\n";
      line->scripted = true;
    } else if (arg == "--cursor") {
      if (sscanf(value.c_str(), "%d:%d", &line->cursorLine, &line->cursorPos) != 2 ||
          line->cursorLine < 0 || line->cursorPos < 0) {
        *error = "--cursor wants LINE:POS (0-based), not " + value;
        return false;
      }
    } else if (arg == "--lang") {
      if (value == "eng" || value == "English")
        line->language = "English";
      else if (value == "rus" || value == "Russian")
        line->language = "Russian";
      else {
        *error = "--lang wants eng or rus, not " + value;
        return false;
      }
    } else if (arg == "--encoding") {
      if (value != "utf8" && value != "oem" && value != "ansi") {
        *error = "--encoding wants utf8, oem or ansi, not " + value;
        return false;
      }
      line->encoding = value;
    } else if (arg == "--table") {
      if (value != "oem" && value != "ansi") {
        *error = "--table wants ansi or oem, not " + value;
        return false;
      }
      line->ansiTable = value == "ansi";
    } else if (arg == "--size") {
      if (sscanf(value.c_str(), "%dx%d", &line->columns, &line->rows) != 2 || line->columns < 40 ||
          line->rows < 10 || line->columns > 1000 || line->rows > 500) {
        *error = "--size wants COLSxROWS between 40x10 and 1000x500, not " + value;
        return false;
      }
    } else if (arg == "--registry") {
      line->registryFile = value;
    } else if (arg == "--import") {
      line->importFile = value;
    } else if (arg == "--trace") {
      line->traceFile = value;
    } else if (arg == "--module") {
      line->modulePath = value;
    } else {
      *error = "unknown option " + arg;
      return false;
    }
  }
  return true;
}
