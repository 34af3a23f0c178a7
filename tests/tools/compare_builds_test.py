#!/usr/bin/env python3
"""Tests of tools/compare-builds.py --reuse-runs on builds of its own: that a
ctest run is taken only while it is newer than everything the build's run
reads, and that two builds' runs in their own ctest folders compare as the
same when only their paths differ.

  compare_builds_test.py SOURCE_DIR WORK_DIR
"""
import argparse
import importlib.util
import json
import os
import shutil
import sys

SOURCE, WORK = sys.argv[1:3]
spec = importlib.util.spec_from_file_location(
    "compare_builds", os.path.join(SOURCE, "tools", "compare-builds.py"))
compare = importlib.util.module_from_spec(spec)
spec.loader.exec_module(compare)

failures = []
NAME = "search/demo"


def write(path, text, age=0):
    """Writes text to path, dated `age` seconds back."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    when = 1_700_000_000 - age
    os.utime(path, (when, when))


def lay_out():
    """Two builds with a ctest run of NAME each, the runs newer than the rest.
    Returns (arguments as main() makes them, scenario path)."""
    shutil.rmtree(WORK, ignore_errors=True)
    native, windows = os.path.join(WORK, "native", "bin"), os.path.join(WORK, "win32", "bin")
    for path in ("skerrow-host", "libskerrow.so", "skerrowEng.lng"):
        write(os.path.join(native, path), "x", age=100)
    for path in ("skerrow-host.exe", "skerrow.dll", "skerrowEng.lng"):
        write(os.path.join(windows, path), "x", age=100)
    scenario = os.path.join(WORK, "demo.scenario")
    write(scenario, "== keys\nF10\n", age=100)
    for bin_dir, file_path in ((native, None), (windows, "Z:")):
        work = os.path.join(os.path.dirname(bin_dir), "tests", "e2e", "work", NAME)
        shown = os.path.join(work, "demo.c")
        if file_path:
            shown = "Z:" + shown.replace("/", "\\")
        write(os.path.join(work, "output.txt"), "== screen\n%s  Line 1\nexit 0\n" % shown)
        write(os.path.join(work, "trace.json"), json.dumps({"call": "Open", "file": shown}) + "\n")
        write(os.path.join(work, "registry.reg"), "REGEDIT4\n")
        write(os.path.join(work, "verdict.json"), json.dumps({"exit": 0, "report": "passed\n"}))
    args = argparse.Namespace(native=native, win32=windows, windows="win32")
    return args, scenario


def check(what, got, want):
    if got != want:
        failures.append("%s: got %r, want %r" % (what, got, want))


# Runs newer than both builds are taken, and the same run in two folders is
# the same once the paths are normalised.
args, scenario = lay_out()
runs = [compare.reused(build, NAME, scenario, args) for build in ("native", "win32")]
check("both runs reused", [r is not None for r in runs], [True, True])
if None not in runs:
    check("differences", compare.differences(runs[0], runs[1], "win32"), [])
    check("passed", runs[0]["passed"], True)

# A run older than anything its build reads is not this build's run.
for build, newer in (("native", "native/bin/libskerrow.so"), ("win32", "win32/bin/skerrow.dll"),
                     ("win32", "win32/bin/skerrowEng.lng"), ("native", "demo.scenario")):
    args, scenario = lay_out()
    os.utime(os.path.join(WORK, newer), None)
    check("reused after %s changed" % newer, compare.reused(build, NAME, scenario, args), None)

# No verdict, no reuse; a differing screen is a difference.
args, scenario = lay_out()
os.remove(os.path.join(WORK, "win32", "tests", "e2e", "work", NAME, "verdict.json"))
check("reused without a verdict", compare.reused("win32", NAME, scenario, args), None)
args, scenario = lay_out()
write(os.path.join(WORK, "win32", "tests", "e2e", "work", NAME, "output.txt"), "== screen\nother\nexit 0\n")
runs = [compare.reused(build, NAME, scenario, args) for build in ("native", "win32")]
check("a different screen differs", len(compare.differences(runs[0], runs[1], "win32")), 1)

for f in failures:
    print("FAILED " + f)
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
