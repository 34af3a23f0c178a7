#!/usr/bin/env python3
"""Runs one end-to-end scenario: skerrow-host with a key script, then the
final screen, snaps, cursor line, trace, exit code and saved registry are
compared with what the scenario expects.

A scenario file is a list of sections, each opened by a line "== NAME":

  == args            one line of arguments, shell-quoted; paths are relative
                     to the source tree; {work} is the scenario's scratch
                     folder. --script, --trace and --registry are added by
                     the driver (an "== args" --registry wins).
  == keys            the key script (as for --keys; '#' lines are comments;
                     !KEY, KEY@POLLS and KEY@MSms as skerrow-host --help says)
  == file NAME [ENCODING] [xN]   a file written to {work}/NAME before the
                     run: the section's lines, N times over (default once),
                     in ENCODING (utf8 by default, or cp866, cp1251)
  == registry        initial text of the --registry file (REGEDIT4 ...);
                     {module} is the file name of the module the host loads
                     (libskerrow.so, skerrow.dll)
  == screen          an excerpt of the final screen: consecutive rows, each
                     compared with trailing blanks removed; "..." skips rows;
                     a row may start anywhere on the screen only if the
                     section is "== screen anywhere" (substring match)
  == snap N          the same for the N-th Snap of the script
  == cursor          "LINE POS TOP LEFT" as the program prints it
  == trace           JSON objects, one a line: the trace must hold calls
                     that contain them (fields compared recursively, lists
                     element by element), in this order
  == no trace        JSON objects no call of the trace may contain
  == registry after  lines the saved registry file must contain
  == exit            the expected exit code (default 0)
  == only native|win32|win64   run the scenario in one build only
  == import FILE     a .reg file merged into the registry before the run:
                     "rules" means the shipped rule sets (--rules, or
                     data/rules/sets/*.reg merged by tools/merge-rules.sh),
                     anything else is a path relative to the source tree
                     ({work} as in args).
                     Natively the host's --import merges it; under Wine the
                     driver empties HKCU\Software\Far, then Wine's own
                     "regedit /s" imports the "== registry" text and FILE,
                     and "regedit /e" exports the branch, which is the
                     host's --registry file (in the ANSI code page).
  == no registry     the host runs as a user would, without --registry: it
                     starts from the "== import" files alone (its own
                     --import, in every build) and saves nothing
  == locale NAME     under Wine, the Unix locale Wine takes its code pages
                     from (SKERROW_WINE_LOCALE); ignored natively
  == real host [panels]   the steps that drive the real host through the same
                     scenario: read by tools/real-host-run.py, ignored here
Lines before the first section and lines starting with "#" in sections other
than keys are comments.
"""
import argparse
import glob
import json
import os
import shlex
import subprocess
import sys


def write_files(sections, work):
    """Writes each "== file NAME [ENCODING] [xTIMES]" section into work."""
    for name, lines in sections:
        words = name.split()
        if words[0] != "file" or len(words) < 2:
            continue
        encoding, times = "utf8", 1
        for w in words[2:]:
            if w.startswith("x") and w[1:].isdigit():
                times = int(w[1:])
            else:
                encoding = w
        with open(os.path.join(work, words[1]), "wb") as f:
            f.write(("\n".join(lines * times) + "\n").encode(encoding))


def parse_scenario(path):
    sections = []
    current = None
    with open(path, encoding="utf-8") as f:
        for raw in f.read().split("\n"):
            if raw.startswith("== "):
                current = [raw[3:].strip(), []]
                sections.append(current)
            elif current is not None:
                current[1].append(raw)
    result = []
    for name, lines in sections:
        while lines and lines[-1].strip() == "":
            lines.pop()
        if not name.split()[0] in ("keys", "registry", "file"):
            lines = [l for l in lines if not l.startswith("#")]
        result.append((name, lines))
    return result


def split_output(stdout):
    """Screens by heading: {"screen": [...], "snap 1": [...]}, and the cursor line."""
    screens, cursor, current = {}, None, None
    for line in stdout.split("\n"):
        if line.startswith("--- "):
            current = line[4:]
            screens[current] = []
        elif line.startswith("cursor "):
            cursor = line[7:].strip()
            current = None
        elif current is not None:
            screens[current].append(line)
    return screens, cursor


def match_excerpt_at(screen, excerpt, start, anywhere):
    r = start
    for i, want in enumerate(excerpt):
        if want.strip() == "...":
            return any(match_excerpt_at(screen, excerpt[i + 1:], k, anywhere)
                       for k in range(r, len(screen) + 1))
        if r >= len(screen):
            return False
        row = screen[r]
        if not (want in row if anywhere else row.rstrip() == want.rstrip()):
            return False
        r += 1
    return True


def contains(actual, pattern):
    if isinstance(pattern, dict):
        return isinstance(actual, dict) and all(
            k in actual and contains(actual[k], v) for k, v in pattern.items())
    if isinstance(pattern, list):
        return (isinstance(actual, list) and len(actual) == len(pattern) and
                all(contains(a, p) for a, p in zip(actual, pattern)))
    return actual == pattern


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--host", required=True)
    parser.add_argument("--wine", help="wrapper that runs a Windows program")
    parser.add_argument("--build", default="native")
    parser.add_argument("--source", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--module", help="the module the host loads (its --module)")
    parser.add_argument("--rules", help='the .reg file "== import rules" means')
    parser.add_argument("--save-output", action="store_true",
                        help="keep the host's output in WORK/output.txt and this "
                        "run's verdict in WORK/verdict.json")
    parser.add_argument("scenario")
    a = parser.parse_args()

    # A verdict left by an earlier run must not pass for this one's.
    if a.save_output and os.path.exists(os.path.join(a.work, "verdict.json")):
        os.remove(os.path.join(a.work, "verdict.json"))
    sections = parse_scenario(a.scenario)
    named = {}
    for name, lines in sections:
        named.setdefault(name, []).extend(lines)
    only = [n.split()[1] for n in named if n.startswith("only ")]
    if only and a.build not in only:
        return verdict(a, 0, "scenario is for the %s build only: skipped" % only[0])

    os.makedirs(a.work, exist_ok=True)
    script = os.path.join(a.work, "keys.script")
    trace = os.path.join(a.work, "trace.json")
    registry = os.path.join(a.work, "registry.reg")
    with open(script, "w", encoding="utf-8") as f:
        f.write("\n".join(named.get("keys", [])) + "\n")
    module_name = os.path.basename(a.module) if a.module else (
        "skerrow.dll" if a.wine else "libskerrow.so")
    with open(registry, "w", encoding="utf-8") as f:
        f.write("\n".join(named.get("registry", ["REGEDIT4"])).replace("{module}", module_name)
                + "\n")
    if os.path.exists(trace):
        os.remove(trace)
    write_files(sections, a.work)

    args = shlex.split(" ".join(named.get("args", [])).replace("{work}", a.work))
    imports = [import_path(a, n.split(None, 1)[1].strip()) for n, _ in sections
               if n.split()[0] == "import" and len(n.split()) > 1]
    env = dict(os.environ)
    locales = [n.split()[1] for n in named if n.startswith("locale ")]
    if a.wine and locales:
        env["SKERROW_WINE_LOCALE"] = locales[0]
    no_registry = "no registry" in named
    if no_registry and named.get("registry after"):
        sys.exit("%s: no registry is saved with \"== no registry\"" % a.scenario)
    regedit = bool(imports and a.wine and not no_registry)
    if regedit:
        regedit_import(a, env, registry, imports)
    command = ([a.wine] if a.wine else []) + [a.host, "--script", script, "--trace", trace]
    if "--registry" not in args and not no_registry:
        command += ["--registry", registry]
    if imports and not regedit:
        command += ["--import", merged_imports(a, imports)]
    if a.module:
        command += ["--module", os.path.abspath(a.module)]
    command += args
    # Files, not pipes: Wine's helper processes (services.exe and the rest),
    # started by this run, would inherit pipes and hold them open for as long
    # as the wineserver lingers.
    with open(os.path.join(a.work, "stdout.txt"), "w+b") as out, \
            open(os.path.join(a.work, "stderr.txt"), "w+b") as err:
        run = subprocess.run(command, cwd=a.source, stdin=subprocess.DEVNULL, env=env,
                             stdout=out, stderr=err, timeout=300)
        out.seek(0)
        err.seek(0)
        run.stdout, run.stderr = out.read(), err.read()
    stdout = run.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    if a.save_output:
        with open(os.path.join(a.work, "output.txt"), "w", encoding="utf-8") as f:
            f.write(stdout + "exit %d\n" % run.returncode)
    stderr = "\n".join(l for l in run.stderr.decode("utf-8", "replace").split("\n")
                       if "setlocale" not in l)
    screens, cursor = split_output(stdout)
    failures = []

    want_exit = int((named.get("exit") or ["0"])[0])
    if run.returncode != want_exit:
        failures.append("exit code %d, expected %d" % (run.returncode, want_exit))
    for name, lines in sections:
        kind = name.split()
        if kind[0] == "screen" or kind[0] == "snap":
            key = "screen" if kind[0] == "screen" else "snap " + kind[1]
            anywhere = "anywhere" in kind
            shown = screens.get(key)
            if shown is None:
                failures.append("no %s in the output" % key)
            elif not match_excerpt_at_any(shown, lines, anywhere):
                failures.append("%s does not show:\n  %s" % (key, "\n  ".join(lines)))
        elif name == "cursor":
            if cursor != " ".join(lines).strip():
                failures.append("cursor %s, expected %s" % (cursor, " ".join(lines).strip()))
    calls = []
    if os.path.exists(trace):
        with open(trace, encoding="utf-8") as f:
            for line in f:
                if line.strip():
                    try:
                        calls.append(json.loads(line))
                    except ValueError as e:
                        failures.append("trace line is not JSON (%s): %s" % (e, line[:200]))
    patterns = [json.loads(l) for l in named.get("trace", []) if l.strip()]
    at = 0
    for p in patterns:
        while at < len(calls) and not contains(calls[at], p):
            at += 1
        if at == len(calls):
            failures.append("trace lacks (in order): %s" % json.dumps(p, ensure_ascii=False))
            break
        at += 1
    for line in named.get("no trace", []):
        if line.strip():
            p = json.loads(line)
            if any(contains(c, p) for c in calls):
                failures.append("trace holds a call it must not: %s" % line)
    if named.get("registry after"):
        saved = open(registry, encoding="utf-8", errors="replace").read()
        for line in named["registry after"]:
            if line.strip() and line.strip() not in saved:
                failures.append("saved registry lacks: %s" % line.strip())

    if failures:
        report = ["FAILED %s" % a.scenario] + ["- " + f for f in failures]
        report.append("--- command: " + " ".join(shlex.quote(c) for c in command))
        report.append("--- output:\n" + stdout)
        if stderr.strip():
            report.append("--- stderr:\n" + stderr)
        return verdict(a, 1, "\n".join(report))
    return verdict(a, 0, "passed %s" % a.scenario)


def verdict(a, code, report):
    """Prints the report; with --save-output also leaves it, with the exit
    code, beside the output, so that tools/compare-builds.py can compare this
    run with the other build's without running it again."""
    print(report)
    if a.save_output:
        os.makedirs(a.work, exist_ok=True)
        with open(os.path.join(a.work, "verdict.json"), "w", encoding="utf-8") as f:
            json.dump({"exit": code, "report": report + "\n"}, f)
    return code


def import_path(a, name):
    """The file an "== import" section names; "rules" is the shipped rule sets."""
    if name != "rules":
        return os.path.abspath(os.path.join(a.source, name.replace("{work}", a.work)))
    if a.rules:
        return os.path.abspath(a.rules)
    merged = os.path.join(os.path.abspath(a.work), "skerrow-rules.reg")
    fragments = sorted(glob.glob(os.path.join(a.source, "data", "rules", "sets", "*.reg")))
    subprocess.run(["bash", os.path.join(a.source, "tools", "merge-rules.sh"), "-o", merged] +
                   fragments, check=True)
    return merged


def merged_imports(a, imports):
    """The host takes one --import: several files go through merge-rules.sh."""
    if len(imports) == 1:
        return imports[0]
    merged = os.path.join(os.path.abspath(a.work), "imports.reg")
    subprocess.run(["bash", os.path.join(a.source, "tools", "merge-rules.sh"), "-o", merged] +
                   imports, check=True)
    return merged


def windows_path(path):
    """Wine maps drive Z: to the Unix root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run_wine(a, env, arguments):
    # Not pipes: a wineserver this call starts would inherit them and keep
    # them open for seconds after the program has ended.
    log = os.path.join(a.work, "wine.log")
    with open(log, "wb") as out:
        run = subprocess.run([a.wine] + arguments, cwd=a.source, env=env,
                             stdin=subprocess.DEVNULL, stdout=out, stderr=out, timeout=300)
    if run.returncode != 0:
        with open(log, encoding="utf-8", errors="replace") as f:
            sys.exit("%s failed (%d): %s" % (" ".join(arguments), run.returncode, f.read()))


HOST_BRANCH = "HKEY_CURRENT_USER\\Software\\Far"


# The ANSI code page Wine takes from the Unix locale (tools/wine-run.sh).
ANSI_CODE_PAGES = {"ru_RU": "cp1251", "en_US": "cp1252"}


def regedit_import(a, env, registry, imports):
    """Empties the host's branch of the Wine registry, imports the scenario's
    registry text and the files with regedit, in this order, and replaces the
    registry text by regedit's export of the branch, for the host to load."""
    clear = os.path.join(a.work, "clear.reg")
    with open(clear, "w", encoding="ascii", newline="\r\n") as f:
        f.write("REGEDIT4\n\n[-%s]\n" % HOST_BRANCH)
    run_wine(a, env, ["regedit", "/s", windows_path(clear), windows_path(registry)] +
             [windows_path(i) for i in imports])
    exported = os.path.join(a.work, "regedit-export.reg")
    if os.path.exists(exported):
        os.remove(exported)
    run_wine(a, env, ["regedit", "/e", windows_path(exported), HOST_BRANCH])
    locale = env.get("SKERROW_WINE_LOCALE", "ru_RU.UTF-8").split(".")[0]
    if locale not in ANSI_CODE_PAGES:
        sys.exit("no ANSI code page known for the locale %s" % locale)
    with open(exported, "rb") as f:
        text = f.read().decode("utf-16")
    try:
        data = text.encode(ANSI_CODE_PAGES[locale])
    except UnicodeEncodeError as e:
        sys.exit("regedit's export of %s has a character %s lacks: %s" % (
            HOST_BRANCH, ANSI_CODE_PAGES[locale], e))
    with open(registry, "wb") as f:
        f.write(data)


def match_excerpt_at_any(screen, excerpt, anywhere):
    if not excerpt:
        return True
    return any(match_excerpt_at(screen, excerpt, s, anywhere) for s in range(len(screen)))


if __name__ == "__main__":
    sys.exit(main())
