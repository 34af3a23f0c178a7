#!/usr/bin/env python3
"""Tests of tools/real-host-run.py without the host: how a real-host section
is read, and how the screens of the two hosts are compared.

  real_host_run_test.py SOURCE_DIR WORK_DIR
"""
import importlib.util
import os
import sys

SOURCE, WORK = sys.argv[1:3]

failures = []


def check(what, ok):
    if not ok:
        failures.append(what)
        print("FAIL: " + what)


spec = importlib.util.spec_from_file_location(
    "real_host_run", os.path.join(SOURCE, "tools", "real-host-run.py"))
rh = importlib.util.module_from_spec(spec)
spec.loader.exec_module(rh)

# --- steps -----------------------------------------------------------------

steps = rh.parse_steps([
    '# a comment line',
    'F11 Wait "Skerrow search" "SetLength\\\\(x\\"y" Tab*3 Wait@2.5s "Matching lines: 2"',
    'Gone "Matching lines" Not "Error" Snap Snap:4 Cursor Reg "\\"Case\\"=dword:00000001"',
])
check("steps read in order with their texts and times", steps == [
    ("key", "F11", 0), ("wait", "Skerrow search", 10.0), ("type", 'SetLength\\(x"y', 0),
    ("key", "Tab", 0), ("key", "Tab", 0), ("key", "Tab", 0),
    ("wait", "Matching lines: 2", 2.5), ("gone", "Matching lines", 10.0), ("not", "Error", 0),
    ("snap", None, 0), ("snap", 4, 0), ("cursor", None, 0),
    ("reg", '"Case"=dword:00000001', 0)])
for bad in (['Wait Enter'], ['Reg'], ['Enterr'], ['F13'], ['Tab*x']):
    try:
        rh.parse_steps(bad)
        check("%s refused" % bad, False)
    except rh.StepError:
        pass

check("Home in the xterm form", rh.key_for_tmux("Home") == ("literal", "\x1b[H"))
check("Ctrl+End with xterm's modifier code", rh.key_for_tmux("CtrlEnd") == ("literal", "\x1b[1;5F"))
check("Alt+Shift+F9", rh.key_for_tmux("AltShiftF9") == ("keys", ["M-S-F9"]))
check("Ctrl+letter", rh.key_for_tmux("CtrlA") == ("keys", ["C-a"]))
check("Shift+Tab", rh.key_for_tmux("ShiftTab") == ("keys", ["BTab"]))
check("Esc", rh.key_for_tmux("Esc") == ("keys", ["Escape"]))

setup = rh.host_setup({"args": ["--lang rus --cursor 47:22 --size 100x30 tests/x.c"],
                       "locale en_US.UTF-8": []})
check("the stand-in's arguments for the host", setup["file"] == "tests/x.c" and
      setup["cursor"] == (47, 22) and setup["lang"] == "rus" and setup["size"] == (100, 30)
      and setup["locale"] == "en_US.UTF-8")
check("Russian locale by default", rh.host_setup({"args": ["a.c"]})["locale"] == "ru_RU.UTF-8")

# --- screens ---------------------------------------------------------------

dialog = [
    "text behind",
    "  ╔════ Skerrow search ════╗   ",
    "  ║ Search for:            ║   ",
    "  ║ [x] Case    (•) Whole  ║   ",
    "  ║ ╔══ Error ══╗          ║   ",
    "  ║ ║ Bad (     ║          ║   ",
    "  ║ ║   [ OK ]  ║          ║   ",
    "  ║ ╚═══════════╝          ║   ",
    "  ╟────────────────────────╢   ",
    "  ║     [ OK ]  [ Cancel ] ║   ",
    "  ╚════════════════════════╝   ",
]
inner = rh.normal_box(rh.innermost_box(dialog))
check("the message drawn over the dialog is the box compared: %s" % inner,
      inner == ["Error", "Bad (", "OK"])
outer = rh.normal_box(rh.innermost_box(dialog[:4] + dialog[8:]))
check("a dialog's rows without frame, margins, radio glyph and brackets: %s" % outer,
      outer == ["Skerrow search", "Search for:", "[x] Case (*) Whole", "---", "OK Cancel"])
check("no box, nothing to compare", rh.innermost_box(["plain", "editor text"]) is None)

menu_host = ["╔═ Plugin commands ═╗", "║  1 Skerrow: list  ║", "╚═ F4 - set hot key ╝"]
menu_standin = ["╔═ Plugin commands ═╗", "║    Skerrow: list  ║", "╚═══════════════════╝"]
check("the plug-in menu's hot-key column and bottom line are the host's own",
      rh.same_boxes(rh.normal_box(rh.innermost_box(menu_standin)),
                    rh.normal_box(rh.innermost_box(menu_host))) is None)


def menu(title, rows, bottom):
    return [title] + rows + [bottom]


long_standin = menu("Function rules", ["Ada", "C", "C#", "C++", "Go", "Java"], "Enter use")
check("a long menu may show fewer rows in the host",
      rh.same_boxes(long_standin, menu("Function rules", ["C", "C#", "C++", "Go"], "Enter use"))
      is None)
check("but not other rows",
      rh.same_boxes(long_standin, menu("Function rules", ["C", "C++", "C#", "Go"], "Enter use"))
      is not None)
check("nor another bottom line",
      rh.same_boxes(long_standin, menu("Function rules", ["Ada", "C", "C#", "C++", "Go", "Java"],
                                       "Enter pick")) is not None)
check("a cut item may be cut a place sooner",
      rh.same_boxes(menu("S", ["106│def f(a) -> b»"], "M: 1"),
                    menu("S", ["106│def f(a) ->»"], "M: 1")) is None)
check("an item not cut must be whole",
      rh.same_boxes(menu("S", ["106│def f(a) -> b"], "M: 1"),
                    menu("S", ["106│def f(a) ->"], "M: 1")) is not None)
check("a changed number in a cut item differs",
      rh.same_boxes(menu("S", ["107│def f(a) -> b»"], "M: 1"),
                    menu("S", ["106│def f(a) ->»"], "M: 1")) is not None)
words = ("The plug-in configuration menu opens this dialog and OK saves all settings "
         "in the registry while Cancel and Esc change nothing at all here").split()
check("help wrapped at other widths is the same help",
      rh.same_boxes(["Skerrow: settings", " ".join(words[:9]), " ".join(words[9:]), ""],
                    ["Help - Skerrow", " ".join(words[:6]), " ".join(words[6:13]),
                     " ".join(words[13:]), ""]) is None)
check("another topic is not",
      rh.same_boxes(["Skerrow: settings", " ".join(words)],
                    ["Help - Skerrow", " ".join(reversed(words))]) is not None)

check("status line, English", rh.status_cursor(
    ["Z:\\...\\kvstore.c   Win    Line       97/237   Col 30        107"]) == (97, 30))
check("status line, Russian", rh.status_cursor(
    ["Z:\\...\\inventory.py  Win  Строка        1/163   Кол 1          35"]) == (1, 1))

os.makedirs(WORK, exist_ok=True)
path = os.path.join(WORK, "tabs.c")
with open(path, "wb") as f:
    f.write(b"int a;\r\n\tunsigned long slot = kv_hash(key);\n\n")
check("a tab counts to the next stop of 8", rh.screen_column(path, 1, 22) == 30)
check("CR LF ends a line", rh.screen_column(path, 0, 6) == 7)
check("past the end of a line", rh.screen_column(path, 2, 4) == 5)

check("only the module's branch of a registry compared", rh.registry_branch([
    "[HKEY_CURRENT_USER\\SOFTWARE\\FAR\\PLUGINS\\SKERROW] \"Case\"=dword:00000001",
    "[HKEY_CURRENT_USER\\SOFTWARE\\FAR\\SAVEDDIALOGHISTORY\\SEARCHTEXT] \"Lines\"=\"x\""]) == [
    "[HKEY_CURRENT_USER\\SOFTWARE\\FAR\\PLUGINS\\SKERROW] \"Case\"=dword:00000001"])

print("%d checks failed" % len(failures) if failures else "real-host-run checks passed")
sys.exit(1 if failures else 0)
