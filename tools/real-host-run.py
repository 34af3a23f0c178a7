#!/usr/bin/env python3
"""Runs the end-to-end scenarios that have a "== real host" section in the
real host program under Wine, and compares each with the native stand-in's
run of the same scenario.

  tools/real-host-run.py [--arch win32|win64] [--host DIR] [--package ZIP]
                         [--native DIR] [--work DIR] [--keep] [SCENARIO...]

The host comes from SKERROW_REAL_HOST=DIR or --host (a user's own
installation, left untouched: it is copied), else from the tarball in
../shared/realhost beside the source tree; it is unpacked into WORK (default
build/realhost or build/realhost64). The archive is the one tools/package.sh
builds (--package takes another), installed as a user would: unpacked into
the host's Plugins folder, and its skerrow-rules.reg imported there with
"regedit /s", in a Wine prefix made for this run. Each scenario then starts
the host in a tmux session of a server of its own and drives it with the
steps of its "== real host" section (whitespace-separated, quoted texts):

  KEY            a key by the stand-in's name (Enter Esc Tab ShiftTab Space BS
                 Ins Del Home End PgUp PgDn Up Down Left Right F1..F12, with
                 Ctrl, Alt and Shift prefixes, CtrlA, AltR); KEY*N presses it
                 N times
  "TEXT"         types the text
  Wait "TEXT"    waits until the screen shows TEXT (10 s, Wait@Ns: N s)
  Gone "TEXT"    waits until the screen no longer shows TEXT (10 s, Gone@Ns)
  Not "TEXT"     the screen must not show TEXT now
  Snap           the screen, once settled, compared with the stand-in's next
                 snap (Snap:N: its N-th)
  Cursor         the editor's line and column, compared with the stand-in's
                 final cursor (its character position as a screen column,
                 tabs every 8; the line at the top of the screen is not
                 compared: the host puts the target of a jump there)
  Reg "LINE"     "wine reg export" of the module's registry branch must hold
                 LINE now (NoReg "TEXT": must not)

The section's header may say "panels": the host then starts on its panels in
the scratch folder (F9, Options, Plugins configuration reach the module's
settings), else in its editor on the stand-in's FILE (with --cursor as the
host's /eLINE:POS). The interface language follows --lang, the screen
--size, the code pages "== locale" (default ru_RU.UTF-8). The registry starts
as the stand-in's: the module's branch emptied, the shipped rule sets
imported again for "== import rules", then the other imports and the
"== registry" text; the host's histories and remembered positions are
emptied. When the steps end, F10 closes the host (unless it has already
ended), and the module's branch is exported and compared with the stand-in's
saved registry.

The comparison: for each Snap the innermost box on the screen (dialog, menu,
message) against the same box of the stand-in's snap, row by row, after the
cosmetic differences are taken out (see COSMETIC); the cursor; the registry.
Any other difference fails the scenario. Where the two hosts need other
keys, the section says so: the host's Tab enters a group of radio buttons
as one stop, on the chosen button, where the stand-in stops at each. Every tmux and Wine call has a
timeout. Exit status 0 when every scenario passed, 1 otherwise, 2 when the
host, the package or Wine cannot be had (the message says why).
"""
import argparse
import concurrent.futures
import glob
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
E2E = os.path.join(ROOT, "tests", "e2e")
SKERROW = "HKEY_CURRENT_USER\\Software\\Far\\Plugins\\SKERROW"


def _load(name, path):
    spec = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


compare_builds = _load("compare_builds", os.path.join(ROOT, "tools", "compare-builds.py"))
run_scenario = _load("run_scenario", os.path.join(E2E, "run_scenario.py"))

# --- the steps of a "== real host" section ---------------------------------

NAMED = {"Enter": "Enter", "Esc": "Escape", "Tab": "Tab", "ShiftTab": "BTab",
         "Space": "Space", "BS": "BSpace", "Ins": "IC", "Del": "DC", "PgUp": "PPage",
         "PgDn": "NPage", "Up": "Up", "Down": "Down", "Left": "Left", "Right": "Right"}
# Wine's console reads Home and End only in the xterm forms; the digit is
# xterm's modifier code (2 Shift, 3 Alt, 5 Ctrl).
XTERM = {"Home": "H", "End": "F"}
MODIFIERS = (("Ctrl", "C-", 4), ("Alt", "M-", 2), ("Shift", "S-", 1))


class StepError(ValueError):
    pass


def key_for_tmux(name):
    """("keys", [tmux key names]) or ("literal", text) for a key name."""
    if name in NAMED:
        return "keys", [NAMED[name]]
    rest, prefix, code = name, "", 0
    progress = True
    while progress:
        progress = False
        for word, tmux, bit in MODIFIERS:
            if rest.startswith(word) and len(rest) > len(word):
                rest, prefix, code = rest[len(word):], prefix + tmux, code | bit
                progress = True
    if rest in XTERM:
        if code:
            return "literal", "\x1b[1;%d%s" % (code + 1, XTERM[rest])
        return "literal", "\x1b[" + XTERM[rest]
    if rest in NAMED:
        return "keys", [prefix + NAMED[rest]]
    if re.fullmatch(r"F([1-9]|1[0-2])", rest):
        return "keys", [prefix + rest]
    if prefix and re.fullmatch(r"[A-Z0-9]", rest):
        return "keys", [prefix + rest.lower()]
    raise StepError("unknown key %r" % name)


TOKEN = re.compile(r'"((?:[^"\\]|\\.)*)"|(\S+)')


def unquote(text):
    return re.sub(r"\\(.)", r"\1", text)


def parse_steps(lines):
    """The steps of a section: (kind, value, seconds) tuples, kind one of
    key, type, wait, gone, not, snap, cursor, reg, noreg."""
    tokens = []
    for line in lines:
        if line.lstrip().startswith("#"):
            continue
        for quoted, word in TOKEN.findall(line):
            tokens.append(("text", unquote(quoted)) if word == "" else ("word", word))
    steps, i = [], 0
    while i < len(tokens):
        kind, value = tokens[i]
        i += 1
        if kind == "text":
            steps.append(("type", value, 0))
            continue
        m = re.fullmatch(r"(Wait|Gone)(?:@(\d+(?:\.\d+)?)s)?", value)
        if m or value in ("Not", "Reg", "NoReg"):
            if i >= len(tokens) or tokens[i][0] != "text":
                raise StepError("%s needs a quoted text" % value)
            text = tokens[i][1]
            i += 1
            if m:
                steps.append((m.group(1).lower(), text, float(m.group(2) or 10)))
            else:
                steps.append((value.lower(), text, 0))
            continue
        m = re.fullmatch(r"Snap(?::(\d+))?", value)
        if m:
            steps.append(("snap", int(m.group(1)) if m.group(1) else None, 0))
            continue
        if value == "Cursor":
            steps.append(("cursor", None, 0))
            continue
        m = re.fullmatch(r"(\w+)(?:\*(\d+))?", value)
        if not m:
            raise StepError("cannot read %r" % value)
        key_for_tmux(m.group(1))  # fails on an unknown name
        steps += [("key", m.group(1), 0)] * int(m.group(2) or 1)
    return steps


# --- what the stand-in is run with, for the host ---------------------------

def host_setup(named):
    """The stand-in's arguments, as the real host needs them: file, cursor,
    language, size, and the locale."""
    args = run_scenario.shlex.split(" ".join(named.get("args", [])))
    setup = {"file": None, "cursor": None, "lang": "eng", "size": (80, 25), "table": "ansi"}
    i = 0
    while i < len(args):
        a = args[i]
        if a in ("--cursor", "--lang", "--size", "--table", "--encoding", "--registry",
                 "--import", "--module", "--keys", "--script", "--trace"):
            value = args[i + 1] if i + 1 < len(args) else ""
            if a == "--cursor":
                line, _, pos = value.partition(":")
                setup["cursor"] = (int(line), int(pos or 0))
            elif a == "--lang":
                setup["lang"] = value
            elif a == "--size":
                w, _, h = value.partition("x")
                setup["size"] = (int(w), int(h))
            elif a == "--table":
                setup["table"] = value
            i += 2
            continue
        if not a.startswith("--"):
            setup["file"] = a
        i += 1
    locales = [n.split()[1] for n in named if n.startswith("locale ")]
    setup["locale"] = locales[0] if locales else "ru_RU.UTF-8"
    return setup


# --- screens ---------------------------------------------------------------

CORNERS = ("╔", "╗", "╚", "╝")


def boxes(screen):
    """(top, left, bottom, right) of each double-framed box on the screen."""
    found = []
    for top, row in enumerate(screen):
        for left, ch in enumerate(row):
            if ch != "╔":
                continue
            right = row.find("╗", left + 1)
            if right < 0:
                continue
            for bottom in range(top + 1, len(screen)):
                low = screen[bottom]
                if len(low) > right and low[left] == "╚" and low[right] == "╝":
                    found.append((top, left, bottom, right))
                    break
    return found


def innermost_box(screen):
    """The rows of the box drawn last: one that holds no other box."""
    found = boxes(screen)
    inner = [b for b in found if not any(
        o != b and o[0] >= b[0] and o[2] <= b[2] and o[1] >= b[1] and o[3] <= b[3]
        for o in found)]
    if not inner:
        return None
    # Of boxes side by side, the smallest.
    top, left, bottom, right = min(inner, key=lambda b: (b[2] - b[0]) * (b[3] - b[1]))
    return [r[left:right + 1].ljust(right - left + 1) for r in screen[top:bottom + 1]]


# The differences between the host and the stand-in that change no test's
# meaning; each is taken out of both screens' boxes before they are compared.
COSMETIC = [
    ("radio glyph", re.compile(r"\(•\)"), "(*)"),
    ("button brackets", re.compile(r"[\[{] (\S[^\]}]*?) [\]}](?=\s|$)"), r"\1"),
    ("check-mark column", re.compile(r"^[√✓] "), ""),
    ("menu hot-key column", re.compile(r"^(?:[0-9A-Z]|&) (?=\S)"), ""),
    ("hot-key bottom line", re.compile(r"^F4 - (set hot key|задать горячую клавишу)$"), ""),
    # The host's own menu titles, which the stand-in has in English only.
    ("host's own titles", re.compile(r"^Команды внешних модулей$"), "Plugin commands"),
    ("scroll bar", re.compile(r"[░▓▒█▲▼]"), ""),
]


def box_rows(box):
    """A box's rows as texts: the frame's title and bottom line, then each
    inner row with the frame and the margins taken away."""
    rows = []
    for i, row in enumerate(box):
        inner = row[1:-1]
        if i in (0, len(box) - 1):
            text = inner.strip("═ ")
            text = re.sub(r"^═+ ?| ?═+$", "", text).strip()
        elif re.fullmatch(r"[─═ ]*", inner.strip("╟╢├┤")):
            text = "---" if inner.strip() else ""
        else:
            text = inner.strip("│║ ")
            text = re.sub(r"^[╟├]─*|─*[╢┤]$", "", text)
        rows.append(text)
    return rows


def normal_row(text, is_menu):
    for name, pattern, replacement in COSMETIC:
        if name in ("menu hot-key column", "check-mark column", "hot-key bottom line") and \
                not is_menu:
            continue
        text = pattern.sub(replacement, text.strip())
    text = re.sub(r"\s+", " ", text).strip()
    return text


def normal_box(box):
    if box is None:
        return None
    rows = box_rows(box)
    # A menu: no dialog items, every inner row one entry.
    body = rows[1:-1]
    is_menu = not any(re.search(r"\[[ x?]\]|\([ *•]\)|^-+$|[\[{] ", r) for r in body)
    normal = [normal_row(r, is_menu) for r in rows]
    # Blank rows are margins, unless they are a dialog's spacing.
    return [r for r in normal if r]


def is_help(rows):
    return bool(rows) and re.match(r"^(Help|Справка)\b", rows[0] or "") is not None


def same_rows(a, b):
    """Rows agree; an item cut at the right edge (ending in ») in either may
    be cut one place sooner or later."""
    if len(a) != len(b):
        return False
    for x, y in zip(a, b):
        if x == y:
            continue
        if not (x.endswith("»") or y.endswith("»")):
            return False
        x, y = x.rstrip("» "), y.rstrip("» ")
        short, long_ = sorted((x, y), key=len)
        if not long_.startswith(short) or len(long_) - len(short) > 3:
            return False
    return True


def same_boxes(standin, host):
    """None when the boxes agree, else the reason. A long menu may show fewer
    rows in one host; a help window wraps at its own width."""
    if standin is None and host is None:
        return None
    if standin is None or host is None:
        return "one screen has no box"
    if is_help(standin) or is_help(host):
        a, b = " ".join(standin[1:-1]).split(), " ".join(host[1:-1]).split()
        n = min(len(a), len(b)) - 8
        if n > 10 and a[:n] == b[:n]:
            return None
        return "help texts differ"
    if same_rows(standin, host):
        return None
    if standin[0] == host[0] and standin[-1] == host[-1]:
        short, long_ = sorted((standin[1:-1], host[1:-1]), key=len)
        if short and len(long_) - len(short) <= 3 and any(
                same_rows(long_[k:k + len(short)], short)
                for k in range(len(long_) - len(short) + 1)):
            return None
    return "boxes differ"


def status_cursor(screen):
    """(line, column), 1-based, from the editor's status line."""
    for row in screen[:2]:
        m = re.search(r"Line\s+(\d+)/\d+\s+Col\s+(\d+)", row) or \
            re.search(r"Строка\s+(\d+)/\d+\s+Кол\s+(\d+)", row)
        if m:
            return int(m.group(1)), int(m.group(2))
    return None


def screen_column(path, line, pos):
    """The host's 1-based column of character POS of LINE (0-based): the
    host counts screen columns, tabs stopping every 8."""
    try:
        with open(path, "rb") as f:
            text = f.read().decode("latin-1").split("\n")[line].rstrip("\r")
    except (OSError, IndexError, TypeError):
        return pos + 1
    # Past the end of the line the cursor stands in blank space.
    return len(text[:pos].expandtabs(8)) + max(0, pos - len(text)) + 1


def registry_branch(values):
    """The values of the module's branch, keys in capitals as Windows treats them."""
    return sorted(v for v in values if v.startswith("[" + SKERROW.upper()))


# --- the host under Wine ---------------------------------------------------

class Wine:
    def __init__(self, arch, prefix, log):
        self.env = dict(os.environ)
        self.env.update({"WINEPREFIX": prefix, "WINEDEBUG": "-all", "WINEARCH": arch,
                         "WINEDLLOVERRIDES": "mscoree,mshtml=", "DISPLAY": ""})
        self.loader = "wine" if arch == "win32" else "/usr/lib/wine/wine64"
        if arch == "win64":
            self.env["WINELOADER"] = self.loader
        self.log = log

    def run(self, arguments, cwd=None, locale="ru_RU.UTF-8", limit=120):
        env = dict(self.env, LANG=locale, LC_ALL=locale)
        with open(self.log, "ab") as out:
            try:
                return subprocess.run(["timeout", "-k", "5", str(limit), self.loader] + arguments,
                                      cwd=cwd, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                      stderr=out, timeout=limit + 20).returncode
            except subprocess.TimeoutExpired:
                return 124

    def server(self, *flags):
        with open(self.log, "ab") as out:
            try:
                subprocess.run(["timeout", "60", "wineserver"] + list(flags), env=self.env,
                               stdin=subprocess.DEVNULL, stdout=out, stderr=out, timeout=80)
            except subprocess.TimeoutExpired:
                pass


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


ANSI = {"ru_RU": "cp1251", "en_US": "cp1252"}


class Tmux:
    def __init__(self, socket):
        self.socket = socket

    def __call__(self, *arguments, check=False):
        try:
            run = subprocess.run(["tmux", "-L", self.socket] + list(arguments),
                                 stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL, timeout=10)
        except subprocess.TimeoutExpired:
            if check:
                raise Failed("tmux %s did not answer in 10 s" % arguments[0])
            return ""
        if check and run.returncode != 0:
            raise Failed("tmux %s failed (the host has ended?)" % arguments[0])
        return run.stdout.decode("utf-8", "replace")

    def screen(self):
        return self("capture-pane", "-p", "-t", "e2e").rstrip("\n").split("\n")

    def kill(self):
        self("kill-server")

    def start(self, width, height, command):
        # A server just killed may still take the connection and then drop
        # it, so the session is tried again before the run is given up.
        for tries in range(5):
            try:
                self("-f", "/dev/null", "new-session", "-d", "-s", "e2e", "-x", str(width),
                     "-y", str(height), command, check=True)
                return
            except Failed:
                if tries == 4:
                    raise
                time.sleep(1)


class Failed(Exception):
    pass


class HostRun:
    """One scenario in the host: its screens at each Snap, the cursor read at
    Cursor, the exported registry, and what went wrong."""

    def __init__(self, runner, scenario, named, header):
        self.runner, self.scenario, self.named = runner, scenario, named
        self.panels = "panels" in header.split()[2:]
        self.setup = host_setup(named)
        self.snaps, self.cursor, self.registry, self.failures = [], None, [], []
        self.file_path = None
        self.tmux = Tmux("skerrow-realhost-%d" % os.getpid())

    def screen_text(self):
        return "\n".join(self.tmux.screen())

    def wait(self, text, seconds, gone=False):
        """Waits for TEXT (or any of a tuple of texts) to show, or to go."""
        texts = text if isinstance(text, tuple) else (text,)
        until = time.time() + seconds
        while True:
            screen = self.screen_text()
            shown = any(t in screen for t in texts)
            if shown != gone:
                return
            if self.exited() and not gone and "host-exited-" not in texts:
                raise Failed("the host ended before the screen showed %r" % text)
            if time.time() > until:
                raise Failed("the screen %s %r after %g s" % (
                    "still shows" if gone else "never showed", text, seconds))
            time.sleep(0.05)

    def exited(self):
        return "host-exited-" in self.screen_text()

    def settled(self):
        """The screen once two looks 0.15 s apart agree."""
        last = self.tmux.screen()
        for _ in range(40):
            time.sleep(0.15)
            now = self.tmux.screen()
            if now == last:
                return now
            last = now
        return last

    def send(self, name):
        how, what = key_for_tmux(name)
        if how == "literal":
            self.tmux("send-keys", "-t", "e2e", "-l", "--", what, check=True)
        else:
            self.tmux("send-keys", "-t", "e2e", *what, check=True)
        # An Esc read together with the next key would make an Alt chord or
        # an escape sequence of both.
        time.sleep(0.12 if what in (["Escape"],) else 0.03)

    def export_to(self, name):
        # The module's branch as the host left it, in a file of the work folder.
        path = os.path.join(self.runner.work, name)
        if os.path.exists(path):
            os.remove(path)
        self.runner.wine.run(["reg", "export", SKERROW, windows_path(path), "/y"],
                             locale=self.setup["locale"], limit=60)
        return path

    def export(self):
        path = self.export_to("export.reg")
        return registry_branch(compare_builds.registry_values(path))

    def run(self, steps):
        r = self.runner
        work = os.path.join(r.work, "run")
        shutil.rmtree(work, ignore_errors=True)
        os.makedirs(work)
        self.prepare_files(work)
        self.prepare_registry(work)
        width, height = self.setup["size"]
        far = windows_path(os.path.join(r.host, "Far.exe"))
        if self.panels:
            target = ""
        else:
            if not self.setup["file"]:
                raise Failed("the stand-in's arguments name no file")
            path = self.setup["file"].replace("{work}", work)
            path = os.path.join(ROOT, path) if not os.path.isabs(path) else path
            self.file_path = path
            start = ""
            if self.setup["cursor"]:
                start = "%d:%d" % (self.setup["cursor"][0] + 1, self.setup["cursor"][1] + 1)
            target = "/e%s %s" % (start, run_scenario.shlex.quote(windows_path(path)))
        env = " ".join("%s=%s" % (k, run_scenario.shlex.quote(v)) for k, v in r.wine.env.items()
                       if k.startswith("WINE") or k == "DISPLAY")
        locale = self.setup["locale"]
        command = ("cd %s && %s LANG=%s LC_ALL=%s timeout --foreground -k 5 %d %s %s %s; "
                   "echo host-exited-$?; sleep 60") % (
            run_scenario.shlex.quote(work), env, locale, locale, r.limit, r.wine.loader,
            run_scenario.shlex.quote(far), target)
        self.tmux.kill()
        self.tmux.start(width, height, command)
        try:
            self.wait(("Col ", "Кол ") if not self.panels else ("10Quit", "10Выход"), 60)
            for kind, value, seconds in steps:
                if kind == "key":
                    self.send(value)
                elif kind == "type":
                    self.tmux("send-keys", "-t", "e2e", "-l", "--", value, check=True)
                elif kind == "wait":
                    self.wait(value, seconds)
                elif kind == "gone":
                    self.wait(value, seconds, gone=True)
                elif kind == "not":
                    if value in self.screen_text():
                        raise Failed("the screen shows %r" % value)
                elif kind == "snap":
                    self.snaps.append((value, self.settled()))
                elif kind == "cursor":
                    self.cursor = status_cursor(self.settled())
                    if self.cursor is None:
                        raise Failed("Cursor: no editor status line on the screen")
                elif kind in ("reg", "noreg"):
                    # The module writes when a dialog or menu closes: waited for.
                    until = time.time() + 10
                    while True:
                        held = value in "\n".join(self.export_lines())
                        if held == (kind == "reg") or time.time() > until:
                            break
                        time.sleep(0.1)
                    if held != (kind == "reg"):
                        raise Failed("the registry %s %r" % (
                            "lacks" if kind == "reg" else "holds", value))
            if not self.exited():
                self.send("F10")
                self.wait("host-exited-", 20)
            m = re.search(r"host-exited-(\d+)", self.screen_text())
            if m and m.group(1) != "0":
                raise Failed("the host ended with status %s" % m.group(1))
        except Failed as e:
            self.failures.append(str(e))
            self.failures.append("screen:\n    " + "\n    ".join(self.tmux.screen()))
        finally:
            self.tmux.kill()
        self.registry = self.export()

    def export_lines(self):
        path = self.export_to("export-now.reg")
        if not os.path.exists(path):
            return []
        raw = open(path, "rb").read()
        text = raw.decode("utf-16") if raw[:2] == b"\xff\xfe" else raw.decode("utf-8", "replace")
        return text.replace("\r\n", "\n").split("\n")

    def prepare_files(self, work):
        run_scenario.write_files(run_scenario.parse_scenario(self.scenario), work)

    def prepare_registry(self, work):
        r = self.runner
        ansi = ANSI.get(self.setup["locale"].split(".")[0], "cp1252")
        language = "Russian" if self.setup["lang"] == "rus" else "English"
        clear = ["REGEDIT4", "", "[-%s]" % SKERROW]
        for key in ("SavedDialogHistory", "SavedHistory", "SavedViewHistory",
                    "SavedFolderHistory", "Editor\\LastPositions", "Viewer\\LastPositions"):
            clear.append("[-HKEY_CURRENT_USER\\Software\\Far\\%s]" % key)
        if language != r.language:
            # The host caches the menu texts of the language it last saw.
            clear.append("[-HKEY_CURRENT_USER\\Software\\Far\\PluginsCache]")
            r.language = language
        # F10 on the panels quits without asking.
        clear += ["", "[HKEY_CURRENT_USER\\Software\\Far\\Confirmations]", '"Exit"=dword:00000000']
        clear += ["", "[HKEY_CURRENT_USER\\Software\\Far\\Language]",
                  '"Main"="%s"' % language, '"Help"="%s"' % language, ""]
        files = [os.path.join(work, "clear.reg")]
        with open(files[0], "w", encoding="ascii", newline="\r\n") as f:
            f.write("\n".join(clear) + "\n")
        for name, _ in run_scenario.parse_scenario(self.scenario):
            words = name.split(None, 1)
            if words[0] == "import" and len(words) > 1:
                what = words[1].strip()
                files.append(r.shipped_rules if what == "rules" else
                             os.path.join(ROOT, what.replace("{work}", work)))
        text = "\n".join(self.named.get("registry", ["REGEDIT4"])) + "\n"
        scenario_reg = os.path.join(work, "scenario.reg")
        with open(scenario_reg, "wb") as f:
            f.write(text.replace("\n", "\r\n").encode(ansi))
        files.append(scenario_reg)
        status = r.wine.run(["regedit", "/s"] + [windows_path(p) for p in files],
                            cwd=work, locale=self.setup["locale"], limit=60)
        if status != 0:
            raise Failed("regedit /s of the scenario's registry failed (%d)" % status)


class Runner:
    def __init__(self, a):
        self.a = a
        self.work = os.path.abspath(a.work)
        self.limit = 120
        self.language = None

    def install(self):
        """Unpacks the host, makes the prefix, installs the package; returns
        None or why it cannot."""
        a = self.a
        os.makedirs(self.work, exist_ok=True)
        self.host = os.path.join(self.work, "host")
        shutil.rmtree(self.host, ignore_errors=True)
        source = a.host or os.environ.get("SKERROW_REAL_HOST")
        if source:
            if not os.path.isfile(os.path.join(source, "Far.exe")):
                return "no Far.exe in %s" % source
            shutil.copytree(source, self.host, ignore=shutil.ignore_patterns("skerrow"))
        else:
            tarball = os.path.join(os.path.dirname(ROOT), "shared", "realhost",
                                   "far-1.75-%s.tar.gz" % ("i686" if a.arch == "win32"
                                                           else "x86_64"))
            if not os.path.exists(tarball):
                return "no host: %s is missing and SKERROW_REAL_HOST is not set" % tarball
            os.makedirs(self.host)
            if subprocess.run(["tar", "-xzf", tarball, "-C", self.host],
                              timeout=120).returncode != 0:
                return "cannot unpack %s" % tarball
        if not shutil.which("tmux"):
            return "tmux is not installed"
        loader = "wine" if a.arch == "win32" else "/usr/lib/wine/wine64"
        if not shutil.which(loader):
            return "%s is not installed" % loader
        package = a.package
        if not package:
            build = os.path.join(ROOT, "build", a.arch)
            run = subprocess.run(["bash", os.path.join(ROOT, "tools", "package.sh"),
                                  "--build-dir", build, "--no-build",
                                  "--out", os.path.join(self.work, "dist")],
                                 stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT, timeout=300)
            if run.returncode != 0:
                return "tools/package.sh failed: " + run.stdout.decode(errors="replace").strip()
            package = run.stdout.decode().strip().split("\n")[-1]
        prefix = os.path.join(self.work, "prefix")
        shutil.rmtree(prefix, ignore_errors=True)
        self.wine = Wine(a.arch, prefix, os.path.join(self.work, "wine.log"))
        if self.wine.run(["wineboot", "-i"], limit=300) != 0:
            return "wineboot -i in a new %s prefix failed (see %s)" % (a.arch, self.wine.log)
        self.wine.server("-w")
        self.wine.server("-p60")
        plugins = os.path.join(self.host, "Plugins")
        os.makedirs(plugins, exist_ok=True)
        if subprocess.run(["unzip", "-qo", package, "-d", plugins], timeout=60).returncode != 0:
            return "cannot unpack %s into %s" % (package, plugins)
        folder = os.path.join(plugins, "skerrow")
        self.shipped_rules = os.path.join(folder, "skerrow-rules.reg")
        if self.wine.run(["regedit", "/s", "skerrow-rules.reg"], cwd=folder, limit=60) != 0:
            return "regedit /s skerrow-rules.reg failed"
        if not any("\\EXTENSIONS\\" in v for v in
                   registry_branch(compare_builds.registry_values(self.export_all()))):
            return "regedit /s skerrow-rules.reg imported no rule set"
        return None

    def export_all(self):
        path = os.path.join(self.work, "installed.reg")
        self.wine.run(["reg", "export", SKERROW, windows_path(path), "/y"], limit=60)
        return path

    def standin(self, scenario):
        """The native stand-in's run: its snaps, cursor and registry."""
        folder = os.path.join(self.work, "standin", re.sub(r"\W", "_", os.path.relpath(
            scenario, E2E)))
        shutil.rmtree(folder, ignore_errors=True)
        args = argparse.Namespace(native=self.a.native, win32=None)
        result = compare_builds.run_one("native", scenario, args, folder)
        screens, cursor = run_scenario.split_output("\n".join(result["output"]))
        result["snaps"] = [screens.get("snap %d" % (i + 1)) for i in range(len(screens))]
        result["snaps"] = [s for s in result["snaps"] if s is not None]
        result["cursor"] = cursor
        result["registry"] = registry_branch(result["registry"])
        return result


def compare(standin, host, uses_registry, verbose=False):
    found = []
    index = 0
    for number, screen in host.snaps:
        index = number if number else index + 1
        if index > len(standin["snaps"]):
            found.append("snap %d: the stand-in has no snap %d" % (index, index))
            continue
        a = normal_box(innermost_box(standin["snaps"][index - 1]))
        b = normal_box(innermost_box(screen))
        why = same_boxes(a, b)
        if verbose:
            print("  snap %d stand-in:\n    %s\n  snap %d host:\n    %s" % (
                index, "\n    ".join(innermost_box(standin["snaps"][index - 1]) or []), index,
                "\n    ".join(innermost_box(screen) or [])))
        if why:
            found.append("snap %d: %s\n      stand-in: %s\n      host:     %s" % (
                index, why, a, b))
    if host.cursor is not None:
        if not standin["cursor"]:
            found.append("cursor: the stand-in printed none")
        else:
            line, pos = (int(x) for x in standin["cursor"].split()[:2])
            column = screen_column(host.file_path, line, pos)
            if (line + 1, column) != host.cursor:
                found.append("cursor: stand-in line %d col %d, host line %d col %d" % (
                    line + 1, column, host.cursor[0], host.cursor[1]))
    if verbose:
        print("  registry: stand-in %d values, host %d" % (len(standin["registry"]),
                                                          len(host.registry)))
    if uses_registry and standin["registry"] != host.registry:
        extra = sorted(set(host.registry) - set(standin["registry"]))
        missing = sorted(set(standin["registry"]) - set(host.registry))
        found.append("registry differs:\n      only the host's: %s\n      only the stand-in's: %s"
                     % ("\n        ".join(extra[:20]) or "-", "\n        ".join(missing[:20]) or "-"))
    return found


def real_host_scenarios(names):
    if names:
        paths = [n if os.path.exists(n) else
                 re.sub(r"(\.scenario)?$", ".scenario", os.path.join(E2E, n), 1) for n in names]
    else:
        paths = sorted(glob.glob(os.path.join(E2E, "**", "*.scenario"), recursive=True))
    chosen = []
    for p in paths:
        with open(p, encoding="utf-8") as f:
            if re.search(r"^== real host\b", f.read(), re.M):
                chosen.append(os.path.abspath(p))
    return chosen


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--arch", choices=("win32", "win64"), default="win32")
    parser.add_argument("--host", help="a folder holding Far.exe (else SKERROW_REAL_HOST)")
    parser.add_argument("--package", help="the archive to install")
    parser.add_argument("--native", default=os.path.join(ROOT, "build", "native", "bin"))
    parser.add_argument("--work")
    parser.add_argument("--verbose", action="store_true",
                        help="print the boxes compared at each snap")
    parser.add_argument("scenarios", nargs="*")
    a = parser.parse_args()
    a.native = os.path.abspath(a.native)
    a.work = a.work or os.path.join(ROOT, "build", "realhost" if a.arch == "win32"
                                    else "realhost64")
    scenarios = real_host_scenarios(a.scenarios)
    if not scenarios:
        print("real-host-run: no scenario has a \"== real host\" section")
        return 2
    for s in scenarios:
        for name, lines in run_scenario.parse_scenario(s):
            if name.startswith("real host"):
                try:
                    parse_steps(lines)
                except StepError as e:
                    print("real-host-run: %s: %s" % (os.path.relpath(s, ROOT), e))
                    return 2
    if not os.path.exists(os.path.join(a.native, "skerrow-host")):
        print("real-host-run: %s/skerrow-host is missing; build the native preset" % a.native)
        return 2
    runner = Runner(a)
    started = time.time()
    why = runner.install()
    if why:
        print("real-host-run: " + why)
        return 2
    print("host installed in %.0f s (%s)" % (time.time() - started, a.arch))
    passed = failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=1) as pool:
        standins = [pool.submit(runner.standin, s) for s in scenarios]
        for scenario, future in zip(scenarios, standins):
            began = time.time()
            sections = run_scenario.parse_scenario(scenario)
            named = {}
            for name, lines in sections:
                named.setdefault(name, []).extend(lines)
            header = next(n for n, _ in sections if n.startswith("real host"))
            host = HostRun(runner, scenario, named, "== " + header)
            try:
                host.run(parse_steps(named[header]))
            except Failed as e:
                host.failures.append(str(e))
            standin = future.result()
            found = host.failures + compare(standin, host, "no registry" not in named,
                                           a.verbose)
            name = os.path.relpath(scenario, E2E)
            if not standin["passed"]:
                print("note: %s misses its expectations in the stand-in" % name)
            if found:
                failed += 1
                print("FAILED  %s (%.1fs)" % (name, time.time() - began))
                for f in found:
                    print("  " + f)
            else:
                passed += 1
                print("same    %s (%.1fs)" % (name, time.time() - began))
            sys.stdout.flush()
    runner.wine.server("-k")
    print("%d passed, %d failed (%.0fs)" % (passed, failed, time.time() - started))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
