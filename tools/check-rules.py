#!/usr/bin/env python3
"""Checks the default function-list rule sets against their samples.

Each data/rules/sets/*.reg fragment holds one rule set; each folder below
tests/data/rules holds one sample file and its expected.txt table (format in
tests/data/rules/README.md). The sample's file name chooses the set the way
the module does: sets in registry order (by name, case-insensitive), the first
whose masks match wins, so the masks are checked too. Every non-empty line is
then scanned as the module scans it (Ignore first, then Match, the name is
group RegNum, trimmed, cut to 30 characters and "..." beyond 32), using the
pattern tester skerrow-regex, one run per pattern over all lines.

Prints "rules: <Set> <hits>/<lines> (<pct>%)" per set and every wrong line;
exits 1 on any wrong name, a malformed fragment or table, a set without a
sample, or a sample no set claims.

  tools/check-rules.py [--engine COMMAND] [--quiet] [SET-OR-FOLDER ...]

COMMAND defaults to $SKERROW_REGEX, else the newest build/*/bin/skerrow-regex.
"""

import argparse
import glob
import os
import re
import shlex
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SETS_DIR = os.path.join(ROOT, 'data', 'rules', 'sets')
SAMPLES_DIR = os.path.join(ROOT, 'tests', 'data', 'rules')
KEY_PREFIX = 'HKEY_CURRENT_USER\\Software\\Far\\Plugins\\SKERROW\\Extensions\\'
RULE_TEXT_MAX = 511  # the longest Match or Ignore the module reads back whole
NAME_LIMIT = 32      # longer names are cut to 30 characters and "..."
MIN_SAMPLE_LINES = 150
MAX_GROUP = 15
MAX_SHOWN = 25  # wrong lines listed per set


class Problem(Exception):
    pass


# ---- fragments -------------------------------------------------------------

def unescape_reg_string(text, where):
    out = bytearray()
    i = 0
    while i < len(text):
        c = text[i]
        if c == 0x5C:  # backslash
            if i + 1 >= len(text) or text[i + 1] not in (0x5C, 0x22):
                raise Problem('%s: lone backslash in a string (write \\\\)' % where)
            out.append(text[i + 1])
            i += 2
            continue
        if c == 0x22:
            raise Problem('%s: unescaped quote in a string' % where)
        out.append(c)
        i += 1
    return bytes(out)


VALUE_RE = re.compile(rb'^"([A-Za-z]+)"=(?:"(.*)"|dword:([0-9a-fA-F]{8}))$')


def read_fragment(path):
    """Returns {'name', 'Mask', 'Match', 'Ignore', 'RegNum', 'path'}; raises Problem."""
    where = os.path.relpath(path, ROOT)
    with open(path, 'rb') as f:
        raw = f.read()
    lines = raw.replace(b'\r\n', b'\n').split(b'\n')
    if lines[0] != b'REGEDIT4' or len(lines) < 3 or lines[1] != b'':
        raise Problem('%s: must start with REGEDIT4 and a blank line' % where)
    key = lines[2]
    if not (key.startswith(b'[') and key.endswith(b']')):
        raise Problem('%s: third line must be the key' % where)
    key = key[1:-1].decode('latin-1')
    if not key.startswith(KEY_PREFIX) or '\\' in key[len(KEY_PREFIX):] or key == KEY_PREFIX:
        raise Problem('%s: key must be %s<SetName>' % (where, KEY_PREFIX))
    rule = {'name': key[len(KEY_PREFIX):], 'path': path}
    if os.path.basename(path) != rule['name'] + '.reg':
        raise Problem('%s: the file must be named after its set, "%s.reg"' % (where, rule['name']))
    for n, line in enumerate(lines[3:], 4):
        if line == b'':
            continue
        m = VALUE_RE.match(line)
        if not m:
            raise Problem('%s:%d: not a "Name"="text" or "Name"=dword:N line' % (where, n))
        name = m.group(1).decode()
        if name in rule:
            raise Problem('%s:%d: %s given twice' % (where, n, name))
        if name == 'RegNum':
            if m.group(3) is None:
                raise Problem('%s:%d: RegNum must be a dword' % (where, n))
            rule[name] = int(m.group(3), 16)
        elif name in ('Mask', 'Match', 'Ignore'):
            if m.group(2) is None:
                raise Problem('%s:%d: %s must be a string' % (where, n, name))
            rule[name] = unescape_reg_string(m.group(2), '%s:%d' % (where, n))
        else:
            raise Problem('%s:%d: unknown value %s' % (where, n, name))
    for name in ('Mask', 'Match', 'Ignore', 'RegNum'):
        if name not in rule:
            raise Problem('%s: %s is missing' % (where, name))
    for name in ('Match', 'Ignore'):
        if len(rule[name]) > RULE_TEXT_MAX:
            raise Problem('%s: %s is %d characters, more than %d' %
                          (where, name, len(rule[name]), RULE_TEXT_MAX))
    if not 0 <= rule['RegNum'] <= MAX_GROUP:
        raise Problem('%s: RegNum %d is not a group 0..%d' % (where, rule['RegNum'], MAX_GROUP))
    if not rule['Match']:
        raise Problem('%s: Match is empty' % where)
    for name in ('Match', 'Ignore'):
        if count_groups(rule[name]) > MAX_GROUP:
            # Legal, but the groups after the 15th capture nothing.
            print('rules: note: %s: %s has %d groups; those after the %dth capture nothing' %
                  (where, name, count_groups(rule[name]), MAX_GROUP))
    return rule


def count_groups(pattern):
    """Opening parentheses outside classes and escapes: the pattern's groups."""
    body = pattern[1:pattern.rfind(b'/')] if pattern.rfind(b'/') > 0 else b''
    groups = 0
    in_class = False
    i = 0
    while i < len(body):
        c = body[i:i + 1]
        if c == b'\\':
            i += 4 if body[i + 1:i + 2] == b'x' else 2
            continue
        if in_class:
            in_class = c != b']'
        elif c == b'[':
            in_class = True
        elif c == b'(':
            groups += 1
        i += 1
    return groups


# ---- masks, as the module splits them and the host compares them ------------

def split_mask_list(text):
    items = []
    pos = 0
    while pos < len(text):
        item = bytearray()
        in_bracket = False
        while pos < len(text):
            c = text[pos]
            if c == 0x5B and 0x5D in text[pos + 1:]:
                in_bracket = True
            elif c == 0x5D:
                in_bracket = False
            elif c == 0x2C and not in_bracket:
                pos += 1
                while pos < len(text) and text[pos] in b' \t\r\n':
                    pos += 1
                break
            item.append(c)
            pos += 1
        items.append(bytes(item))
    return items


def glob_match(mask, name):
    if not mask:
        return not name
    c = mask[0]
    if c == 0x2A:
        return any(glob_match(mask[1:], name[k:]) for k in range(len(name) + 1))
    if c == 0x3F:
        return bool(name) and glob_match(mask[1:], name[1:])
    if c == 0x2E and not name:
        return glob_match(mask[1:], name) or all(ch == 0x2A for ch in mask[1:])
    if c == 0x5B and 0x5D in mask[1:]:
        close = mask.index(0x5D, 1)
        members = mask[1:close]
        if not name:
            return False
        ch = name[0]
        if len(members) == 1:
            hit = ch == members[0]
        else:
            hit = False
            k = 0
            while k < len(members):
                if k + 2 < len(members) and members[k + 1] == 0x2D:
                    lo, hi = members[k], members[k + 2]
                    hit = hit or lo <= ch <= hi or lo <= upper(ch) <= hi or lo <= lower(ch) <= hi
                    k += 3
                else:
                    hit = hit or upper(members[k]) == upper(ch)
                    k += 1
        return hit and glob_match(mask[close + 1:], name[1:])
    return bool(name) and upper(c) == upper(name[0]) and glob_match(mask[1:], name[1:])


def upper(c):
    return c - 32 if 0x61 <= c <= 0x7A else c


def lower(c):
    return c + 32 if 0x41 <= c <= 0x5A else c


def cmp_name(mask, file_name):
    name = file_name.replace(b'\\', b'/').split(b'/')[-1]
    if mask == b'*.*':
        return True
    if mask == b'*.':
        return b'.' not in name
    if mask.startswith(b'*.') and not any(ch in b'*?[' for ch in mask[2:]):
        return b'.' in name and name.rsplit(b'.', 1)[1].upper() == mask[2:].upper()
    return glob_match(mask, name)


def masks_match(mask_list, file_name):
    return any(cmp_name(item, file_name) for item in split_mask_list(mask_list))


# ---- the scan ----------------------------------------------------------------

def run_engine(engine, pattern, subjects):
    """Registers per subject: None for no match, else a list of (start, end)."""
    cmd = shlex.split(engine) + [os.fsdecode(pattern)]
    proc = subprocess.run(cmd, input=b'\n'.join(subjects), stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE)
    if proc.returncode == 2:
        raise Problem('pattern %r does not compile: %s' %
                      (pattern.decode('latin-1'), proc.stderr.decode('latin-1').strip()))
    if proc.returncode != 0:
        raise Problem('%s failed: %s' % (engine, proc.stderr.decode('latin-1').strip()))
    out = proc.stdout.decode('ascii').split('\n')
    if len(out) < len(subjects):
        raise Problem('%s gave %d answers for %d lines' % (engine, len(out), len(subjects)))
    result = []
    for k in range(len(subjects)):
        fields = out[k].split()
        if fields[0] == '0':
            result.append(None)
        else:
            nums = [int(x) for x in fields[1:]]
            result.append(list(zip(nums[0::2], nums[1::2])))
    return result


def trim_blanks(text):
    return text.strip(b'\t\n\v\f\r ')


def shorten(name):
    name = trim_blanks(name)
    return name[:30] + b'...' if len(name) > NAME_LIMIT else name


def scan(rule, lines, engine):
    """The name each line carries, as the module's line scan gives it."""
    subjects = [line for line in lines if line]
    ignored = run_engine(engine, rule['Ignore'], subjects) if rule['Ignore'] else [None] * len(subjects)
    matched = run_engine(engine, rule['Match'], subjects)
    names = []
    current = b''
    k = 0
    for line in lines:
        if line:
            regs = matched[k]
            if ignored[k] is None and regs is not None:
                g = rule['RegNum']
                start, end = regs[g] if g < len(regs) else (-1, -1)
                current = shorten(line[start:end] if end - start > 0 else b'')
            k += 1
        names.append(current)
    return names


# ---- samples -------------------------------------------------------------------

def read_sample(folder):
    files = sorted(f for f in os.listdir(folder)
                   if f != 'expected.txt' and os.path.isfile(os.path.join(folder, f)))
    where = os.path.relpath(folder, ROOT)
    if len(files) != 1:
        raise Problem('%s: needs exactly one sample beside expected.txt, has %s' % (where, files))
    with open(os.path.join(folder, files[0]), 'rb') as f:
        raw = f.read()
    if b'\r' in raw:
        raise Problem('%s/%s: use LF line ends' % (where, files[0]))
    lines = raw.split(b'\n')
    if lines and lines[-1] == b'':
        lines.pop()
    expected_path = os.path.join(folder, 'expected.txt')
    if not os.path.exists(expected_path):
        raise Problem('%s: expected.txt is missing' % where)
    with open(expected_path, 'rb') as f:
        rows = f.read().split(b'\n')
    if rows and rows[-1] == b'':
        rows.pop()
    expected = []
    for n, row in enumerate(rows, 1):
        number, tab, name = row.partition(b'\t')
        if not tab or number != str(n).encode():
            raise Problem('%s/expected.txt:%d: row must be "%d<TAB>name"' % (where, n, n))
        expected.append(name)
    if len(expected) != len(lines):
        raise Problem('%s: expected.txt has %d rows for %d lines' % (where, len(expected), len(lines)))
    if len(lines) < MIN_SAMPLE_LINES:
        raise Problem('%s: sample has %d lines, fewer than %d' % (where, len(lines), MIN_SAMPLE_LINES))
    return files[0], lines, expected


def find_engine(given):
    if given:
        return given
    if os.environ.get('SKERROW_REGEX'):
        return os.environ['SKERROW_REGEX']
    found = glob.glob(os.path.join(ROOT, 'build', '*', 'bin', 'skerrow-regex'))
    if not found:
        sys.exit('check-rules: no skerrow-regex; build the target or pass --engine')
    return shlex.quote(max(found, key=os.path.getmtime))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--engine', help='pattern tester command (default: newest build)')
    ap.add_argument('--quiet', action='store_true', help='print only the summary lines')
    ap.add_argument('only', nargs='*', help='set names or sample folders to check')
    args = ap.parse_args()
    engine = find_engine(args.engine)

    failures = 0
    rules = []
    for path in sorted(glob.glob(os.path.join(SETS_DIR, '*.reg'))):
        try:
            rules.append(read_fragment(path))
        except Problem as p:
            print('rules: %s' % p)
            failures += 1
    rules.sort(key=lambda r: r['name'].lower())
    claimed = {}
    for folder in sorted(glob.glob(os.path.join(SAMPLES_DIR, '*', '')), key=str.lower):
        folder = folder.rstrip('/')
        label = os.path.basename(folder)
        try:
            file_name, lines, expected = read_sample(folder)
            rule = next((r for r in rules if masks_match(r['Mask'], file_name.encode())), None)
            if rule is None:
                raise Problem('%s/%s: no rule set claims this file name' % (label, file_name))
            if rule['name'] in claimed:
                raise Problem('%s/%s: set %s already has the sample %s' %
                              (label, file_name, rule['name'], claimed[rule['name']]))
            claimed[rule['name']] = label
            if args.only and rule['name'] not in args.only and label not in args.only:
                continue
            names = scan(rule, lines, engine)
        except Problem as p:
            print('rules: %s' % p)
            failures += 1
            continue
        total = sum(1 for line in lines if line)
        wrong = [n for n, line in enumerate(lines) if line and names[n] != expected[n]]
        hits = total - len(wrong)
        print('rules: %s %d/%d (%.1f%%)' % (rule['name'], hits, total, 100.0 * hits / total))
        if not args.quiet:
            for n in wrong[:MAX_SHOWN]:
                print('  %s/%s:%d: expected "%s", got "%s"    | %s' %
                      (label, file_name, n + 1, expected[n].decode('latin-1'),
                       names[n].decode('latin-1'), lines[n].decode('latin-1').strip()))
            if len(wrong) > MAX_SHOWN:
                print('  ... and %d more wrong lines' % (len(wrong) - MAX_SHOWN))
        failures += 1 if wrong else 0
    for rule in rules:
        if rule['name'] not in claimed:
            print('rules: set %s has no sample' % rule['name'])
            failures += 1
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
