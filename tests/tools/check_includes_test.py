#!/usr/bin/env python3
"""Tests of tools/check-includes.py on small trees of its own: that it finds
includes that run up the rooms and circles between units, and lets pass what
the rooms allow.

  check_includes_test.py SOURCE_DIR WORK_DIR
"""
import os
import shutil
import subprocess
import sys

SOURCE, WORK = sys.argv[1:3]
TOOL = os.path.join(SOURCE, 'tools', 'check-includes.py')

failures = []
runs = [0]


def run(name, files):
    """Lays out `files` ({path: [included paths]}) as a src/ tree and runs the
    check on it; returns (exit code, output)."""
    root = os.path.join(WORK, name)
    shutil.rmtree(root, ignore_errors=True)
    for path, includes in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, 'w') as f:
            f.write('// test file\n')
            f.writelines(f'#include "{target}"\n' for target in includes)
            f.write('#include <string.h>\n')
    result = subprocess.run([sys.executable, TOOL, root], capture_output=True, text=True)
    return result.returncode, result.stdout


def expect(name, files, code, *texts):
    runs[0] += 1
    got, output = run(name, files)
    missing = [t for t in texts if t not in output]
    if got != code or missing:
        failures.append(name)
        print(f'FAIL: {name}: exit {got}, expected {code}; missing {missing}\n{output}')


# Every room using the one below it, same-room includes, and the Windows API
# header from text: the layering as it should be.
LAYERED = {
    'module/entry_points.cpp': ['search/search_command.h', 'shell/plugin_api.h'],
    'search/search_command.h': [],
    'search/search_command.cpp': ['search/search_command.h', 'settings/options.h'],
    'settings/options.h': ['shell/plugin_api.h'],
    'settings/options.cpp': ['settings/options.h', 'text/fold_case.h'],
    'shell/plugin_api.h': ['shell/win_api.h'],
    'shell/win_api.h': [],
    'text/fold_case.h': [],
    'text/fold_case.cpp': ['text/fold_case.h', 'shell/win_api.h', 'regex/char_set.h'],
    'regex/char_set.h': [],
}


def with_changes(changes):
    files = dict(LAYERED)
    files.update(changes)
    return files


expect('layered', LAYERED, 0, '0 faults')
expect('settings uses search', with_changes({'settings/options.cpp': ['search/search_command.h']}), 1,
       'settings/options.cpp:2: includes search/search_command.h from a higher room')
expect('shell calls the entry points\' subsystems',
       with_changes({'shell/plugin_api.h': ['settings/options.h']}), 1,
       'shell/plugin_api.h:2: includes settings/options.h from a higher room')
expect('the pattern engine uses Windows', with_changes({'regex/char_set.h': ['shell/win_api.h']}), 1,
       'regex/char_set.h:2: includes shell/win_api.h from a higher room')
expect('the Windows header uses the host interface',
       with_changes({'shell/win_api.h': ['shell/plugin_api.h']}), 1,
       'shell/win_api.h:2: includes shell/plugin_api.h from a higher room')
expect('a folder that is no room', with_changes({'misc/helpers.h': []}), 1, 'misc/helpers.h: in no room')
expect('an include that is not in src', with_changes({'text/fold_case.h': ['text/gone.h']}), 1,
       'includes text/gone.h, which is not in src/')
# Two sources that include each other's headers: no header includes a header,
# yet the units depend on one another.
expect('circle through sources',
       with_changes({'settings/menu.h': [], 'settings/menu.cpp': ['settings/menu.h', 'settings/dialog.h'],
                    'settings/dialog.h': [], 'settings/dialog.cpp': ['settings/dialog.h', 'settings/menu.h']}),
       1, 'circle: settings/dialog, settings/menu')
expect('circle of three',
       with_changes({'regex/a.h': ['regex/b.h'], 'regex/b.h': ['regex/c.h'], 'regex/c.cpp': ['regex/a.h'],
                    'regex/c.h': []}),
       1, 'circle: regex/a, regex/b, regex/c')
expect('a chain is no circle',
       with_changes({'regex/a.h': ['regex/b.h'], 'regex/b.h': ['regex/c.h'], 'regex/c.h': []}), 0, '0 faults')

print(f'{runs[0] - len(failures)} passed, {len(failures)} failed')
sys.exit(1 if failures else 0)
