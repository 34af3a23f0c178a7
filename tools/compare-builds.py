#!/usr/bin/env python3
"""Runs every end-to-end scenario twice, with the native skerrow-host and with
the Windows skerrow-host.exe under Wine (tests/e2e/run_scenario.py drives
both), and fails on any difference between the two runs' screens, snaps,
cursor lines, exit codes, traces and saved registries.

  tools/compare-builds.py [--windows win32|win64] [--native DIR] [--win32 DIR]
                          [--work DIR] [--jobs N] [--reuse-runs] [SCENARIO...]

--windows picks the Windows build and its Wine (default win32: the 32-bit
build under 32-bit Wine; win64: the 64-bit build under 64-bit Wine). DIR are
the builds' bin folders (default build/native/bin and build/win32/bin or
build/win64/bin); SCENARIO files default to every tests/e2e/**/*.scenario. A scenario's own
expectations are the business of ctest: here a run that misses them is
reported, but only a difference between the builds fails.

--reuse-runs compares, for a single scenario, the runs that both builds'
ctest has just made (each leaves its output, trace, registry and verdict in
BUILD/tests/e2e/work/NAME), as long as they are newer than the builds; the
test command runs the comparison right after the ctest stages. A series is
always run here, as ctest runs its steps apart.

A folder tests/e2e/series/NAME (or a SCENARIO that names a folder) is one
case: its scenarios run in a row, in the order of their file names, each
build on its own, so that state one run leaves behind shows in the next.
After each Windows run of a series the host's registry branch of the prefix
is exported too: it must be as empty as the native build's, which lives in
the process.

Normalised before the comparison, as they must differ: the paths of the
source tree, the scratch folder and the module's folder (Z:\\... with
backslashes under Wine), the module's file name (libskerrow.so, skerrow.dll),
and the blanks that pad a screen row around such a path. The Wine runs go
one at a time, since they share the Wine registry; a native run goes beside
them.
"""
import argparse
import concurrent.futures
import difflib
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MODULE_NAMES = ("libskerrow.so", "skerrow.dll")


class Normaliser:
    """Replaces the paths one run has and the other has not by placeholders."""

    def __init__(self, places, windows):
        # Longest first, so that a folder inside another is named by itself.
        self.places = sorted(places.items(), key=lambda p: -len(p[1]))
        self.windows = windows

    def text(self, s):
        if self.windows:
            for name, path in self.places:
                win = "Z:" + path.replace("/", "\\")
                s = re.sub(re.escape(win) + r"[^\s\"'│║═]*",
                           lambda m: "{%s}" % name + m.group(0)[len(win):].replace("\\", "/"),
                           s, flags=re.IGNORECASE)
        for name, path in self.places:
            s = s.replace(path, "{%s}" % name)
        for module in MODULE_NAMES:
            s = s.replace(module, "{module}")
        return s

    def row(self, line):
        """A screen row; blanks around a replaced path are padding. A path too
        long for the editor's status line is cut to "...TAIL": both runs use
        one scratch folder, so only the separators of TAIL differ."""
        new = line
        if self.windows:
            new = re.sub(r"(?<!\S)\.\.\.[^\s]*\\[^\s]*",
                         lambda m: m.group(0).replace("\\", "/"), new)
        new = self.text(new)
        # One build may cut a path the other shows whole: the file name is
        # what both keep (the trace holds the whole path).
        new = re.sub(r"(?<!\S)(\{\w+\}|\.\.\.)[^\s]*/([^\s/]+)", r".../\2", new)
        if new != line:
            new = re.sub(r" {2,}", " ", new)
        return new

    def value(self, v):
        if isinstance(v, str):
            return self.text(v)
        if isinstance(v, list):
            return [self.value(x) for x in v]
        if isinstance(v, dict):
            return {k: self.value(x) for k, x in v.items()}
        return v


def registry_values(path):
    """(key, name, value) of a REGEDIT4 or regedit /e file; keys without values
    are left out, since only regedit's export lists the empty parents."""
    if not os.path.exists(path):
        return []
    raw = open(path, "rb").read()
    text = raw.decode("utf-16") if raw[:2] == b"\xff\xfe" else raw.decode("utf-8", "replace")
    values, key = [], None
    for line in text.replace("\r\n", "\n").split("\n"):
        if line.startswith("["):
            key = line.strip().upper()
        elif key and "=" in line:
            name, _, value = line.partition("=")
            values.append("%s %s=%s" % (key, name, value))
    return sorted(values)


def host_of(build, args):
    windows = build != "native"
    bin_dir = args.win32 if windows else args.native
    return bin_dir, os.path.join(bin_dir, "skerrow-host" + (".exe" if windows else ""))


def run_one(build, scenario, args, work):
    bin_dir, host = host_of(build, args)
    command = [sys.executable, os.path.join(ROOT, "tests", "e2e", "run_scenario.py"),
               "--host", host, "--build", build, "--source", ROOT, "--work", work,
               "--save-output", scenario]
    if build != "native":
        command[4:4] = ["--wine", os.path.join(ROOT, "tools", "wine-run.sh")]
    output = os.path.join(work, "output.txt")
    if os.path.exists(output):
        os.remove(output)
    started = time.time()
    run = subprocess.run(command, cwd=ROOT, stdin=subprocess.DEVNULL,
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=600)
    return collected(build, work, bin_dir, run.returncode == 0,
                     run.stdout.decode("utf-8", "replace"), time.time() - started)


# What a build's run reads besides the scenario: a ctest run older than any
# of them is not a run of this build.
BUILD_FILES = ("skerrow-host", "skerrow-host.exe", "libskerrow.so", "skerrow.dll")


def reused(build, name, scenario, args):
    """The result of the ctest run of a single scenario in this build
    (run_scenario.py --save-output in BUILD/tests/e2e/work/NAME), or None when
    there is none newer than the build's host, module, language and help
    files and the scenario."""
    bin_dir, _ = host_of(build, args)
    work = os.path.join(os.path.dirname(bin_dir), "tests", "e2e", "work", name)
    verdict = os.path.join(work, "verdict.json")
    if not os.path.exists(verdict):
        return None
    inputs = [scenario] + [os.path.join(bin_dir, f) for f in os.listdir(bin_dir)
                           if f in BUILD_FILES or f.endswith((".lng", ".hlf"))]
    if any(os.path.getmtime(f) > os.path.getmtime(verdict) for f in inputs):
        return None
    with open(verdict, encoding="utf-8") as f:
        saved = json.load(f)
    return collected(build, work, bin_dir, saved["exit"] == 0, saved["report"], 0.0)


def collected(build, work, bin_dir, passed, report, seconds):
    """A run's screens, trace and saved registry, normalised for the comparison."""
    windows = build != "native"
    result = {"passed": passed, "report": report, "seconds": seconds,
              "skipped": "build only: skipped" in report}
    norm = Normaliser({"source": ROOT, "work": os.path.abspath(work),
                       "bin": os.path.abspath(bin_dir)}, windows)
    output = os.path.join(work, "output.txt")
    if os.path.exists(output):
        with open(output, encoding="utf-8", errors="replace") as f:
            result["output"] = [norm.row(l) for l in f.read().split("\n")]
    else:
        result["output"] = ["(no output: %s)" % report.strip().split("\n")[-1]]
    trace = []
    path = os.path.join(work, "trace.json")
    if os.path.exists(path):
        with open(path, encoding="utf-8", errors="replace") as f:
            for line in f:
                if not line.strip():
                    continue
                try:
                    call = norm.value(json.loads(line))
                    trace.append(json.dumps(call, ensure_ascii=False, sort_keys=True))
                except ValueError:
                    trace.append("(not JSON) " + norm.text(line.rstrip("\n")))
    result["trace"] = trace
    result["registry"] = [norm.text(v) for v in
                          registry_values(os.path.join(work, "registry.reg"))]
    result["left behind"] = []
    return result


def left_behind(work):
    """The values the host's branch of the Wine registry still holds, from
    regedit's export (none when the branch is gone)."""
    exported = os.path.join(work, "left-behind.reg")
    if os.path.exists(exported):
        os.remove(exported)
    subprocess.run(["bash", os.path.join(ROOT, "tools", "wine-run.sh"), "regedit", "/e",
                    "Z:" + exported.replace("/", "\\"), "HKEY_CURRENT_USER\\Software\\Far"],
                   cwd=ROOT, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=300)
    return registry_values(exported)


def differences(native, win32, windows):
    found = []
    for part in ("output", "trace", "registry", "left behind"):
        if native[part] != win32[part]:
            diff = list(difflib.unified_diff(native[part], win32[part], "native", windows,
                                             lineterm="", n=1))
            shown = diff[:40] + (["... (%d more diff lines)" % (len(diff) - 40)]
                                 if len(diff) > 40 else [])
            found.append("%s differs:\n    %s" % (part, "\n    ".join(shown)))
    return found


E2E = os.path.join(ROOT, "tests", "e2e")


def step_name(scenario):
    return re.sub(r"\.scenario$", "", os.path.basename(scenario))


def series_steps(folder):
    return sorted(glob.glob(os.path.join(folder, "*.scenario")))


def case_of(argument):
    """(name, scenarios) of a SCENARIO argument: a file, a folder (a series),
    or either named relative to tests/e2e."""
    path = argument if os.path.exists(argument) else os.path.join(E2E, argument)
    if not os.path.isdir(path):
        path = re.sub(r"(\.scenario)?$", ".scenario", path, 1)
    path = os.path.abspath(path)
    name = re.sub(r"\.scenario$", "", os.path.relpath(path, E2E))
    return name, series_steps(path) if os.path.isdir(path) else [path]


def all_cases():
    """Every scenario on its own, but those of tests/e2e/series/*/ one case a folder."""
    series = os.path.join(E2E, "series")
    cases = [case_of(f) for f in sorted(glob.glob(os.path.join(E2E, "**", "*.scenario"), recursive=True))
             if not f.startswith(series + os.sep)]
    return cases + [case_of(d) for d in sorted(glob.glob(os.path.join(series, "*", "")))]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--windows", choices=("win32", "win64"), default="win32")
    parser.add_argument("--native", default=os.path.join(ROOT, "build", "native", "bin"))
    parser.add_argument("--win32", help="the Windows build's bin folder")
    parser.add_argument("--work", default=os.path.join(ROOT, "build", "compare-builds"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--reuse-runs", action="store_true",
                        help="take a single scenario's runs from both builds' ctest runs "
                        "where they are newer than the builds")
    parser.add_argument("scenarios", nargs="*")
    a = parser.parse_args()
    a.win32 = a.win32 or os.path.join(ROOT, "build", a.windows, "bin")
    a.native, a.win32 = os.path.abspath(a.native), os.path.abspath(a.win32)
    cases = [case_of(s) for s in a.scenarios] or all_cases()
    for host in (os.path.join(a.native, "skerrow-host"),
                 os.path.join(a.win32, "skerrow-host.exe")):
        if not os.path.exists(host):
            print("compare-builds: %s is missing; build both presets first" % host)
            return 2

    # A wineserver started by a run whose output is piped keeps the pipe open
    # for seconds after the run; one started here first serves every run.
    # It ends by itself 30 seconds after the last run; when a server already
    # runs for the prefix, that one serves.
    # A prefix of its own: other Wine runs on the machine (ctest, a second
    # checkout's tests) would replace HKCU\Software\Far under a run.
    # Each Windows build has its Wine and so its prefix.
    os.environ["SKERROW_WINE_ARCH"] = a.windows
    os.environ.setdefault("SKERROW_WINEPREFIX", os.path.join(
        ROOT, "build", "wineprefix-suite" if a.windows == "win32" else "wineprefix64-suite"))
    env = dict(os.environ)
    env["WINEPREFIX"] = env["SKERROW_WINEPREFIX"]
    quiet = {"env": env, "stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL,
             "stderr": subprocess.DEVNULL}
    if not os.path.exists(os.path.join(env["WINEPREFIX"], "system.reg")):
        subprocess.run(["bash", os.path.join(ROOT, "tools", "wine-run.sh"), "cmd", "/c", "exit"],
                       **quiet)
        subprocess.run(["timeout", "120", "wineserver", "-w"], **quiet)
    subprocess.run(["timeout", "30", "wineserver", "-p30"], **quiet)

    wine_lock = threading.Lock()  # one Wine registry for all Windows runs

    def compare(case):
        name, steps = case
        # Both runs of a step in one scratch folder, kept afterwards as
        # native/ and win32/ (or win64/); a series has a folder per step.
        base = os.path.join(os.path.abspath(a.work), name)
        shutil.rmtree(base, ignore_errors=True)
        series = len(steps) > 1 or os.path.isdir(os.path.join(E2E, name))
        natives, windows = [], []
        if a.reuse_runs and not series:
            runs = [reused(build, name, steps[0], a) for build in ("native", a.windows)]
            if None not in runs:
                return name, [(None, runs[0], runs[1])]
        for scenario in steps:
            folder = os.path.join(base, step_name(scenario)) if series else base
            run = os.path.join(folder, "run")
            natives.append(run_one("native", scenario, a, run))
            os.rename(run, os.path.join(folder, "native"))
        # A series holds the Wine registry from its first run to its last.
        with wine_lock:
            for scenario in steps:
                folder = os.path.join(base, step_name(scenario)) if series else base
                run = os.path.join(folder, "run")
                windows.append(run_one(a.windows, scenario, a, run))
                if series:
                    windows[-1]["left behind"] = left_behind(run)
                os.rename(run, os.path.join(folder, a.windows))
        return name, [(step_name(s) if series else None, n, w)
                      for s, n, w in zip(steps, natives, windows)]

    started = time.time()
    passed = failed = skipped = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, a.jobs)) as pool:
        for name, steps in pool.map(compare, cases):
            if any(n["skipped"] or w["skipped"] for _, n, w in steps):
                skipped += 1
                print("skipped %s (one build only)" % name)
                continue
            found = []
            for step, native, win32 in steps:
                where = " in %s" % step if step else ""
                found += [("run %s: " % step if step else "") + f
                          for f in differences(native, win32, a.windows)]
                for build, r in (("native", native), (a.windows, win32)):
                    if not r["passed"]:
                        print("note: %s%s misses its expectations in the %s build" % (name, where, build))
            seconds = (sum(n["seconds"] for _, n, _ in steps), sum(w["seconds"] for _, _, w in steps))
            if found:
                failed += 1
                print("FAILED  %s (%.1fs, %.1fs)" % ((name,) + seconds))
                for f in found:
                    print("  " + f)
            else:
                passed += 1
                print("same    %s (%.1fs, %.1fs)" % ((name,) + seconds))
    print("%d passed, %d failed%s (%.0fs)" % (passed, failed,
                                              ", %d skipped" % skipped if skipped else "",
                                              time.time() - started))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
