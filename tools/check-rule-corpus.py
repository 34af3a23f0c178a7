#!/usr/bin/env python3
"""Measures the default rule sets on real source against Universal Ctags.

tests/data/corpus holds one folder per rule set (named after the set) with
files taken from Debian packages (tools/fetch-rule-corpus.sh). For every file
the oracle's name of a line is the name of the nearest counted definition that
ctags reports at or above it (COUNTED below says which tag kinds count); the
rule set's name of a line comes from the module's own scan, through
skerrow-regex, as tools/check-rules.py does it.

Prints per set the share of non-empty lines on which both agree, the ceiling
(the agreement of the best rule found that sees one line at a time: it marks
lines that ctags tags, when the name stands on that line, and decides alike
for all lines of one form, see best_line_rule), and the main kinds of disagreement
with an example each, and the same figures for the files named in
tests/data/corpus/held-out.tsv, which are kept out of tuning the sets. Exits 1
when a set falls below its floor in tests/data/corpus/floors.tsv.

  tools/check-rule-corpus.py [--engine COMMAND] [--ctags COMMAND] [--corpus DIR] [SET ...]

With --corpus, DIR holds one folder per set name (for instance DIR/Python/)
with your own files; the figures are printed and no floor applies.
"""

import argparse
import collections
import importlib.util
import os
import re
import shlex
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS_DIR = os.path.join(ROOT, 'tests', 'data', 'corpus')
FLOORS = os.path.join(CORPUS_DIR, 'floors.tsv')
# Files kept out of tuning the sets, measured apart as well: a change that
# helps only the files it was made on shows there.
HELD_OUT = os.path.join(CORPUS_DIR, 'held-out.tsv')

_spec = importlib.util.spec_from_file_location('check_rules', os.path.join(ROOT, 'tools', 'check-rules.py'))
check_rules = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_rules)

# Set name: (ctags language, tag kinds that count as headers). Functions,
# methods and procedures always count; classes, modules, interfaces and the
# like only where the set's header pattern names them too.
COUNTED = {
    'Ada': ('Ada', {'subprogram', 'task', 'entry'}),
    'BibTeX': ('BibTeX', {'article', 'book', 'booklet', 'conference', 'inbook', 'incollection', 'inproceedings',
                          'manual', 'mastersthesis', 'misc', 'phdthesis', 'proceedings', 'techreport',
                          'unpublished'}),
    'C': ('C', {'function'}),
    'C++': ('C++', {'function'}),
    'C#': ('C#', {'method'}),
    'CSS': ('CSS', {'selector', 'class', 'id'}),
    'Clojure': ('Clojure', {'function'}),
    'Common Lisp': ('Lisp', {'function', 'macro'}),
    'Emacs Lisp': ('EmacsLisp', {'function', 'macro', 'subst', 'minorMode', 'derivedMode'}),
    'Fortran': ('Fortran', {'subroutine', 'function', 'program', 'prototype'}),
    'Go': ('Go', {'func'}),
    'HTML': ('HTML', {'heading1', 'heading2', 'heading3'}),
    'INI': ('Iniconf', {'section'}),
    'Java': ('Java', {'method'}),
    'JavaScript': ('JavaScript', {'function', 'method', 'class', 'generator', 'getter', 'setter'}),
    'Kotlin': ('Kotlin', {'method'}),
    'Lua': ('Lua', {'function'}),
    'MATLAB': ('MatLab', {'function'}),
    'Markdown': ('Markdown', {'chapter', 'section', 'subsection', 'subsubsection',
                              'l4subsection', 'l5subsection'}),
    'PHP': ('PHP', {'function', 'class', 'interface', 'trait', 'enum'}),
    # ctags's "class" kind is a class method ("+ (id) new").
    'Objective-C': ('ObjectiveC', {'method', 'class', 'function'}),
    'Pascal': ('Pascal', {'function', 'procedure'}),
    'Perl': ('Perl', {'subroutine'}),
    'PowerShell': ('PowerShell', {'function'}),
    'Python': ('Python', {'function', 'member', 'class'}),
    'Ruby': ('Ruby', {'method', 'singletonMethod', 'class', 'module'}),
    'Rust': ('Rust', {'function', 'method', 'macro'}),
    'SQL': ('SQL', {'function', 'procedure', 'trigger'}),
    'Scheme': ('Scheme', {'function'}),
    'Shell': ('Sh', {'function'}),
    'TeX, LaTeX': ('Tex', {'part', 'chapter', 'section', 'subsection', 'subsubsection', 'paragraph',
                           'subparagraph', 'command'}),
    'TypeScript': ('TypeScript', {'function', 'method', 'class', 'interface', 'enum', 'namespace', 'generator'}),
    'Haskell': ('Haskell', {'function'}),
    'R': ('R', {'function'}),
    'Elixir': ('Elixir', {'function', 'macro', 'guard'}),
    # ctags has no kind for classes, which count as a type on a "Class" line (basic_kind).
    'Visual Basic': ('Basic', {'function', 'enum', 'class'}),
    'Assembler x86': ('Asm', {'label', 'macro'}),
    'Batch files': ('DosBatch', {'label'}),
}

# Languages where a method line ending in ";" has no body: an interface or
# abstract method, a trait's required method. ctags tags these like
# definitions, but no code lies below them, so they count as declarations.
BODILESS_WITH_SEMICOLON = {'C#', 'Java', 'Rust', 'TypeScript', 'PHP', 'C', 'C++', 'ObjectiveC'}

# Lines ctags takes for definitions that are none: Pascal procedure types
# ("TCallback = procedure(...)").
NOT_DEFINITIONS = {
    'Pascal': re.compile(rb'=\s*(procedure|function)\b', re.I),
    # An instance of a generic ("procedure Free is new Unchecked_Deallocation
    # (...);") is declared in one line, with no code of its own below.
    'Ada': re.compile(rb'\bis\s+new\b', re.I),
}

# Kotlin: ctags 5.9 files as methods, beside the functions, the parameters of
# lambdas ("{ input ->"), variables bound in a "when" ("when (val e = x)") and
# functions without a body (an interface's "fun drop(n: Int): Sequence<T>", an
# "expect fun"). A function is a "fun" line whose signature goes on to a body,
# "{" or "=".
KOTLIN_FUN = re.compile(rb'\bfun\b')


def kotlin_function(text, line, name):
    """Whether the tag on a line is a function with a body: its name follows
    "fun" there and, past the parameters, "{" or "=" comes before anything
    but a return type or constraints."""
    depth, seen = 0, False
    for n in range(line, min(line + 40, len(text))):
        row = text[n]
        if n == line:
            m = KOTLIN_FUN.search(row)
            if not m or not re.search(rb'(?<![\w`])' + re.escape(last_part(name)) + rb'(?![\w`])', row[m.end():]):
                return False
            row = row[m.end():]
        stripped = row.strip()
        if seen and depth == 0:
            if not stripped:
                continue
            if stripped[:1] in b'{=':
                return True
            if not stripped.startswith((b':', b'where', b'.', b'->')):
                return False
        for c in row:
            if c == 0x28:
                depth, seen = depth + 1, True
            elif c == 0x29:
                depth -= 1
            elif seen and depth == 0 and c in b'{=':
                return True
    return False


PASCAL_IMPLEMENTATION = re.compile(rb'\s*implementation\b', re.I)

# ctags kinds enabled beyond its defaults: TypeScript's local variables, so that
# a function bound to a local name ("const done = () => {") is seen at all.
# Fortran's interface bodies ("prototype", a kind ctags leaves out by default)
# declare a procedure and its dummy arguments on the lines below, which belong
# to it as much as a body's lines do.
EXTRA_KINDS = {'TypeScript': '--kinds-TypeScript=+l', 'Fortran': '--kinds-Fortran=+P'}

# Variable-like tags whose line binds a function to the name ("const done = er
# => {", "addLog: function addLog (m) {", "log.pause = function () {") are
# function definitions; ctags files them as variables, constants, properties
# or, for an assignment to a member, as classes.
FUNCTION_BINDING_KINDS = {
    'JavaScript': {'variable', 'constant', 'property', 'field', 'class'},
    'TypeScript': {'variable', 'constant', 'property', 'local'},
}
ARROW_OR_FUNCTION = rb'\s*(?::[^=]*)?[:=]\s*(?:async\s+)?(?:function\b|\(.*\)\s*(?::[^=]*)?=>|[\w$]+\s*=>)'
# A JavaScript "class" without the keyword is an object literal ("var m = {")
# that ctags files as a class; it defines no code of its own.
CLASS_KEYWORD = re.compile(rb'\bclass\b')
# ctags takes every Scheme "(define" for a procedure: a module
# ("(define-module (ice-9 x))", tagged "ice-9") and a value ("(define rx
# (make-regexp ...))") too. A define whose value on the same line is not a
# lambda binds no code.
SCHEME_NO_PROCEDURE = re.compile(
    rb'\s*\((?:define-module\b|define\s+[^\s()]+\s+(?!\((?:case-)?lambda\*?[\s)])\S)')


def binds_function(name, line):
    # "function Name (" too: ctags files a constructor function as a class.
    name = re.escape(name)
    return re.search(rb'(?<![\w$])' + name + ARROW_OR_FUNCTION + rb'|\bfunction\s+' + name + rb'\s*\(',
                     line) is not None


def counted_kind(language, kind, name, line, kinds):
    """The kind a tag counts as, or None when it does not count."""
    fix = TAG_FIXES.get(language)
    if fix and fix.kind:
        kind = fix.kind(kind, name, line)
    return kind if kind in kinds else None


# Languages whose functions a real parser lists too; its rows fill the lines
# where ctags has no counted tag, and it leaves out bodiless declarations and
# computed names. JavaScript and TypeScript: the TypeScript compiler
# (tools/check-rule-corpus-functions.js), as ctags's parsers lose nested
# functions after a callback, object-literal methods and the members of a
# class inside a namespace. Java: the JDK's parser
# (tools/check-rule-corpus-methods.java), as ctags does not look into method
# bodies and so misses the methods of anonymous and local classes. Haskell:
# see PARSER_FIRST.
PARSERS = {
    'JavaScript': (['node', os.path.join(ROOT, 'tools', 'check-rule-corpus-functions.js')], 'nodejs, node-typescript'),
    'TypeScript': (['node', os.path.join(ROOT, 'tools', 'check-rule-corpus-functions.js')], 'nodejs, node-typescript'),
    'Java': (['java', os.path.join(ROOT, 'tools', 'check-rule-corpus-methods.java')], 'a JDK'),
    'Haskell': (['runhugs', os.path.join(ROOT, 'tools', 'check-rule-corpus-decls.hs')],
                'hugs, libhugs-haskell-src-bundled'),
}
# Haskell: ctags tags a function at its equations only, has no kind for
# classes and instances, leaves out most operator definitions and reads an
# equation with constructor patterns ("R f1 +++ R f2 = ...") as a function
# "f1". The haskell-src parser (tools/check-rule-corpus-decls.hs) lists the
# top-level type signatures, equations, classes and instances; on the lines
# it lists, its name wins.
PARSER_FIRST = {'Haskell'}


def parsed_functions(language, path):
    """{line index: name} of the functions a real parser of the language reads."""
    command, packages = PARSERS[language]
    try:
        proc = subprocess.run(command + [path], stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
    except OSError as e:
        raise Problem('cannot run %s (Debian: %s): %s' % (command[0], packages, e))
    if proc.returncode != 0:
        raise Problem('%s failed on %s: %s' % (command[1], path, proc.stderr.decode('latin-1').strip()[-300:]))
    found = {}
    for row in proc.stdout.split(b'\n'):
        if b'\t' in row:
            line, name = row.split(b'\t', 1)
            found.setdefault(int(line) - 1, name)
    return found


# ctags files generic functions, methods and compiler macros as "unknown"
# definitions, beside classes, structures and packages; they define code.
LISP_FUNCTION_FORMS = re.compile(
    rb'\s*\((?:defgeneric|defmethod|define-compiler-macro|define-modify-macro|defsetf)\s', re.I)


# Assembler: a label on a line that defines or reserves data ("bi_pvd: dd
# 16", "trackbuf resb trackbufsize") names data, not code; a local label
# (".loop:", which ctags reports as "loop") belongs to the routine above it.
ASM_DATA = re.compile(
    rb'\s*[\w?@$.]+:?\s+(?:d[bwdqtoyz]|res[bwdqtoyz]|times|equ|incbin|istruc)\b', re.I)
ASM_LOCAL_LABEL = re.compile(rb'\s*\.')
# ctags reads MASM's "name macro" but not NASM's "%macro name 1", which is
# shown to it in the first form; and it takes a use of a macro ("cextern
# dc_x") for a label without a colon, which the file's macros rule out.
ASM_NASM_MACRO = re.compile(rb'^(\s*)%i?macro\s+([^\s%]+)', re.I)


# Basic: ctags's parser reads BASIC dialects without classes or property
# procedures. A VB "Class X" is shown to it as a type (which counts only on
# such a line: a plain Type block is data), and "Property Get X" as a
# function. ctags also reads "SubSetTrue x", a call, as a sub "SetTrue": a
# function counts only where a keyword stands before its name.
BASIC_CLASS = re.compile(rb'(?i)\s*(?:(?:public|private|friend)\s+)?class\s')
BASIC_VIEW_CLASS = re.compile(rb'(?i)^(\s*)(?:(?:public|private|friend)\s+)?class\s+(\w+)')
# Modifiers go too: ctags reads "Public Sub" but not "Public Default Sub".
BASIC_VIEW_PROCEDURE = re.compile(
    rb'(?i)^(\s*)(?:(?:public|private|friend|default|static|overrides|overridable|readonly|writeonly)\s+)*'
    rb'(?:(sub|function)|property(?:\s+(?:get|let|set))?)\s+(\w+)')


def basic_procedure_named(name):
    return re.compile(rb'(?i)\b(?:sub|function|property(?:\s+(?:get|let|set))?)\s+' + re.escape(name) + rb'\b')


def basic_view(line):
    line = BASIC_VIEW_CLASS.sub(rb'\1Type \2', line)
    return BASIC_VIEW_PROCEDURE.sub(lambda m: m.group(1) + (m.group(2) or b'Function') + b' ' + m.group(3), line)


# Ada: ctags 5.9 does not know null procedures ("procedure Lemma (K :
# Integer) is null;") and tags nothing after one; it is shown the same
# procedure with an empty body.
ADA_NULL_PROCEDURE = re.compile(rb'^(\s*(?:overriding\s+)?procedure\s+([\w.]+)\b.*?)\bis\s+null\s*;', re.I)


# TeX: ctags reads "\newcommand{\name}" alone, while "\newcommand\name",
# "\renewcommand", "\providecommand", "\DeclareRobustCommand" and "\def" (with
# its prefixes and variants) define a command the same way, and
# "\newenvironment{name}" defines the code of an environment.
TEX_COMMAND_DEFINITION = re.compile(
    rb'^(\s*)(?:\\(?:long|outer|global|protected)\s*)*\\(?:(?:re)?newcommand|providecommand|DeclareRobustCommand'
    rb'|[gex]?def|(?:re)?newenvironment)\*?\s*(?:\{\s*(\\?[A-Za-z@*]+)\s*\}|(\\[A-Za-z@]+))')
# BibTeX: ctags knows the standard entry types alone; an entry of any other
# type ("@electronic{IEEEhowto:IEEEtranpage,", "@online") is an entry all the
# same and is shown to it as "@misc".
BIBTEX_OTHER_ENTRY = re.compile(
    rb'^(\s*)@\s*(?!(?:article|book|booklet|conference|inbook|incollection|inproceedings|manual|mastersthesis'
    rb'|misc|phdthesis|proceedings|techreport|unpublished|string|comment|preamble)\b)[A-Za-z]\w*(?=\s*[{(])', re.I)
HTML_MINOR_HEADING = re.compile(rb'<(/?)h[4-6](?=[\s>])', re.I)
# MATLAB: ctags loses a function whose parameters have default values, an
# Octave form ("function addRequired (this, name, val = inputParser.def_val)");
# it is shown the parameters without them.
MATLAB_PARAMETERS = re.compile(rb'^(\s*function\b[^(]*\()(.*)$')
MATLAB_DEFAULT = re.compile(rb'\s*=[^,)]*')


def matlab_view(line):
    m = MATLAB_PARAMETERS.match(line)
    return m.group(1) + MATLAB_DEFAULT.sub(b'', m.group(2)) if m else line


# Definition forms that ctags reads only in part. Clojure: ctags 5.9 knows
# "defn" alone, while "defn-" (a private function), "defmacro", "defmulti" and
# "defmethod" define code the same way; they are shown to its parser as
# "defn". Scheme: ctags reads a "(define" only at the start of a line, so the
# internal definitions of a procedure are shown to it without indentation;
# Common Lisp likewise, for definitions inside other forms ("(macrolet",
# tests that define macros). Line numbers are kept, and the names still come
# from ctags.
SOURCE_VIEWS = {
    'Ada': lambda line: ADA_NULL_PROCEDURE.sub(rb'\1is begin null; end \2;', line),
    'Lisp': lambda line: line.lstrip(),
    'Clojure': lambda line: re.sub(rb'^(\s*)\((?:defn-|defmacro|defmulti|defmethod)(?=\s)', rb'\1(defn', line),
    'Scheme': lambda line: line.lstrip(),
    'Basic': basic_view,
    'Asm': lambda line: ASM_NASM_MACRO.sub(rb'\1\2 macro', line),
    # HTML: ctags has kinds for <h1> to <h3> only; <h4> to <h6> head sections
    # all the same and are shown to it as <h3>.
    'HTML': lambda line: HTML_MINOR_HEADING.sub(rb'<\1h3', line),
    'BibTeX': lambda line: BIBTEX_OTHER_ENTRY.sub(rb'\1@misc', line),
    'MatLab': matlab_view,
    'Tex': lambda line: TEX_COMMAND_DEFINITION.sub(lambda m: m.group(1) + b'\\newcommand{' +
                                                   (m.group(2) or m.group(3)) + b'}', line),
}

# SQL: ctags 5.9 tags a routine only when a body follows as "AS '...'" or
# "BEGIN ... END"; a body in the standard's short form ("CREATE FUNCTION
# lpad(text, integer) RETURNS text ... RETURN lpad($1, $2, ' ');") it takes for
# a declaration and leaves out. It is shown such a routine with the same
# expression as a quoted body ("AS $r$lpad($1, $2, ' ')$r$;"); newlines are
# kept, so the lines stay where they are.
SQL_ROUTINE = re.compile(rb'\bCREATE\s+(?:OR\s+REPLACE\s+)?(?:FUNCTION|PROCEDURE)\b', re.I)
SQL_TOKEN = re.compile(rb"'(?:[^']|'')*'|\"[^\"]*\"|--[^\n]*|/\*.*?\*/|\$\w*\$|\w+|[^\w\s]", re.S)


def sql_short_bodies(text):
    """The text with every routine body of the form "RETURN expression;"
    written as "AS $r$expression$r$;"."""
    out, pos = [], 0
    for routine in SQL_ROUTINE.finditer(text):
        if routine.start() < pos:
            continue
        for token in SQL_TOKEN.finditer(text, routine.end()):
            word = token.group().upper()
            if word in (b'AS', b'BEGIN', b';') or (len(word) > 1 and word.startswith(b'$') and word.endswith(b'$')):
                break
            if word == b'RETURN':
                end = next((t for t in SQL_TOKEN.finditer(text, token.end()) if t.group() == b';'), None)
                if end is not None:
                    out += [text[pos:token.start()], b'AS $r$', text[token.end():end.start()], b'$r$']
                    pos = end.start()
                break
    out.append(text[pos:])
    return b''.join(out)


# Pascal: ctags reads the text of comments as code: an apostrophe in one
# ("// calculate device's size", "{ don't leave garbage }") starts a string
# that hides every routine up to the next apostrophe, and "function" in one
# starts a definition. Comments are shown to it as blanks, lines kept.
PASCAL_STRING_OR_COMMENT = re.compile(rb"'[^'\n]*'|\{[^}]*\}|\(\*.*?\*\)|//[^\n]*", re.S)


def pascal_blank_comments(text):
    return PASCAL_STRING_OR_COMMENT.sub(
        lambda m: m.group() if m.group().startswith(b"'") else re.sub(rb'[^\n]', b' ', m.group()), text)


def pascal_routine_named(name):
    """A routine's line: ctags also finds "function" inside a name
    ("setDrawFunction(false, 1)" gives a function "alse")."""
    return re.compile(rb'(?i)\b(?:procedure|function|constructor|destructor)\s+(?:[\w<>,]+\.)*' +
                      re.escape(last_part(name)) + rb'\b')


def markdown_blank_fences(text):
    """Markdown: where a fenced code block begins with a line of dashes (a
    table rule in a program's sample output), ctags 5.9 reads the fence as a
    heading "```" underlined by it; the block's lines are then text to it, and
    its closing fence opens a block that hides the headings up to the next
    fence. Code blocks hold no headings; their lines are shown to it blank,
    lines kept in place."""
    lines = text.split(b'\n')
    for n in markdown_fenced_lines(lines):
        lines[n] = b''
    return b'\n'.join(lines)


TEXT_VIEWS = {'SQL': sql_short_bodies, 'Pascal': pascal_blank_comments, 'Markdown': markdown_blank_fences}

TYPE_PARAMETERS = re.compile(rb'(?<=\w)<[^<>]*>$')
SCOPE_TYPE_PARAMETERS = re.compile(rb'(?<=\w)<[^<>]*>(?=::)')

SEPARATORS = re.compile(rb'::|\.|:|#|->')
# ctags makes up names for anonymous functions; no rule could show them, and the
# line belongs to the enclosing named function as far as a reader is concerned.
ANONYMOUS = (b'AnonymousFunction', b'__anon', b'<lambda>')
ANONYMOUS_BY_LANGUAGE = {'R': (b'anonFunc',)}
# ctags escapes some leading characters (as "\x2d") and every backslash (a
# TeX command "\name" comes out as two backslashes and the name).
ESCAPE = re.compile(rb'\\(?:x([0-9a-fA-F]{2})|\\)')


class Problem(Exception):
    pass


def ctags_tags(ctags, language, path, kinds):
    """{line index: names} of the counted definitions ctags finds in one file;
    the names are the plain and the scope-qualified form."""
    with open(path, 'rb') as f:
        text = f.read().split(b'\n')
    proc = run_ctags(ctags, language, path, text)
    tags = {}
    fix = TAG_FIXES.get(language, TagFix())
    first_body = fix.first_body(text) if fix.first_body else 0
    rows = [row.split(b'\t') for row in proc.stdout.split(b'\n')]
    rows = [fields for fields in rows if len(fields) >= 4 and fields[2].endswith(b';"')]
    not_tag = fix.file_check(rows) if fix.file_check else None
    anonymous = ANONYMOUS + ANONYMOUS_BY_LANGUAGE.get(language, ())
    for fields in rows:
        if not_tag and not_tag(fields):
            continue
        if fields[0].startswith(anonymous) or last_part(fields[0]).startswith(anonymous):
            continue
        line, tag_name = (fix.tag_line or default_tag_line)(text, int(fields[2][:-2]) - 1, fields[0])
        if not counted_kind(language, fields[3].decode('latin-1'), tag_name,
                            text[line] if line < len(text) else b'', kinds):
            continue
        if line < first_body:
            continue
        if language in BODILESS_WITH_SEMICOLON and line < len(text) and text[line].rstrip().endswith(b';'):
            continue
        if language in NOT_DEFINITIONS and line < len(text) and NOT_DEFINITIONS[language].search(text[line]):
            continue
        if fix.defines and not fix.defines(text, line, tag_name):
            continue
        name = ESCAPE.sub(lambda m: bytes([int(m.group(1), 16)]) if m.group(1) else b'\\', tag_name)
        if fix.own_name:
            name = fix.own_name(name)
        if fix.no_definition and fix.no_definition(name):
            continue
        names = tags.setdefault(line, [])
        if name not in names:
            names.append(name)
    if language in PARSERS:
        for line, name in parsed_functions(language, path).items():
            if language in PARSER_FIRST:
                tags[line] = [name]
            else:
                tags.setdefault(line, [name])
    return tags


def run_ctags(ctags, language, path, text):
    cmd = shlex.split(ctags) + ['-f', '-', '--excmd=number', '--fields=+K', '--extras=+q', '--sort=no',
                                '--language-force=' + language] + EXTRA_KINDS.get(language, '').split()
    view, text_view = SOURCE_VIEWS.get(language), TEXT_VIEWS.get(language)
    with tempfile.TemporaryDirectory() as temp:
        if view or text_view:
            shown = os.path.join(temp, os.path.basename(path))
            with open(shown, 'wb') as f:
                shown_text = b'\n'.join(view(line) for line in text) if view else b'\n'.join(text)
                f.write(text_view(shown_text) if text_view else shown_text)
        proc = subprocess.run(cmd + [shown if view or text_view else path], stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, timeout=120)
    if proc.returncode != 0:
        raise Problem('ctags failed on %s: %s' % (path, proc.stderr.decode('latin-1').strip()))
    return proc


def name_line(text, line, name):
    """The line where a tag's name is written: ctags puts a TypeScript
    interface whose "extends" clause follows on the next line there."""
    written = re.compile(rb'(?<![\w$])' + re.escape(last_part(name)) + rb'(?![\w$])')
    if line < len(text) and not written.search(text[line]):
        for above in (line - 1, line - 2):
            if above >= 0 and written.search(text[above]):
                return above
    return line


def default_tag_line(text, line, name):
    return name_line(text, line, name), name


def objective_c_tag_line(text, line, name):
    """A method whose selector takes arguments is named by its first keyword,
    on the line where that is written."""
    if name.endswith(b':'):
        return selector_line(text, line, name), name.split(b':')[0]
    return default_tag_line(text, line, name)


def selector_line(text, line, selector):
    """The line of an Objective-C method whose selector takes arguments: ctags
    puts it on the line of the body's "{", below a signature of one line per
    keyword; the method is named where its first keyword is written."""
    first = re.compile(rb'^\s*[-+]\s*(?:\([^)]*\))?\s*' + re.escape(selector.split(b':')[0]) + rb'\s*:')
    for above in range(line, max(line - 20, -1), -1):
        if above < len(text) and first.match(text[above]):
            return above
    return line


def pascal_declarations_end(text):
    """The first line that may hold a definition: in a Pascal unit, routines
    above "implementation" are the interface's declarations, which ctags
    tags like bodies."""
    for n, line in enumerate(text):
        if PASCAL_IMPLEMENTATION.match(line):
            return n
    return 0


def asm_macro_uses(rows):
    """ctags takes a use of a macro ("cextern dc_x") for a label without a
    colon: a label named like one of the file's macros is none."""
    macros = {fields[0] for fields in rows if fields[3] == b'macro'}
    return lambda fields: fields[3] == b'label' and fields[0] in macros


def r_unquoted(name):
    """ctags keeps the quotes of "`[.glue` <- function"; the name has none."""
    return name[1:-1] if len(name) > 2 and name[:1] in b'`"\'' and name[-1:] == name[:1] else name


def computed_member(name, line):
    """"tracker[P] = function": a computed member, which ctags names after the
    object."""
    return re.search(rb'(?<![\w$.])' + re.escape(last_part(name)) + rb'\s*\[', line) is not None


def javascript_kind(kind, name, line):
    if kind in FUNCTION_BINDING_KINDS['JavaScript'] and binds_function(name, line):
        return 'function'
    if kind == 'class' and not CLASS_KEYWORD.search(line):
        return None
    return None if computed_member(name, line) else kind


def typescript_kind(kind, name, line):
    if kind in FUNCTION_BINDING_KINDS['TypeScript'] and binds_function(name, line):
        return 'function'
    return None if computed_member(name, line) else kind


def lisp_kind(kind, name, line):
    return 'function' if kind == 'unknown' and LISP_FUNCTION_FORMS.match(line) else kind


def asm_kind(kind, name, line):
    return None if kind == 'label' and (ASM_DATA.match(line) or ASM_LOCAL_LABEL.match(line)) else kind


def basic_kind(kind, name, line):
    if kind == 'type' and BASIC_CLASS.match(line):
        return 'class'
    if kind == 'function' and not basic_procedure_named(name).search(line):
        return None
    return kind


# What ctags_tags corrects in ctags's tags of one language, beside the tables
# above; a language whose tags need no correction has no row. Each field is a
# function or None:
#   kind(kind, name, line): the kind that a tag on that line counts as, or
#       None where it is no definition (counted_kind);
#   file_check(rows): for the tag rows of a file, a test of one row that
#       tells that it is no definition, judged by the other rows;
#   tag_line(text, line, name): (line, name) of a tag as the code writes it,
#       default_tag_line where None;
#   defines(text, line, name): whether the tag at that line defines code;
#   own_name(name): the name without what ctags adds to it;
#   no_definition(name): whether a name is no definition, whatever its kind;
#   first_body(text): the first line that may hold a definition.
TagFix = collections.namedtuple('TagFix', 'kind file_check tag_line defines own_name no_definition first_body',
                                defaults=(None,) * 7)
TAG_FIXES = {
    'JavaScript': TagFix(kind=javascript_kind),
    'TypeScript': TagFix(kind=typescript_kind),
    'Scheme': TagFix(kind=lambda kind, name, line: None if SCHEME_NO_PROCEDURE.match(line) else kind),
    # "(defun ,name": a template inside a macro, written where the macro is used.
    'Lisp': TagFix(kind=lisp_kind, no_definition=lambda name: name.startswith((b',', b'`'))),
    'Asm': TagFix(kind=asm_kind, file_check=asm_macro_uses),
    'Pascal': TagFix(kind=lambda kind, name, line: kind if pascal_routine_named(name).search(line) else None,
                     first_body=pascal_declarations_end),
    'Basic': TagFix(kind=basic_kind),
    'ObjectiveC': TagFix(tag_line=objective_c_tag_line),
    'Kotlin': TagFix(defines=kotlin_function),
    'R': TagFix(own_name=r_unquoted),
    # A fixity declaration ("infixl 6 <>"), which ctags reads as a function.
    'Haskell': TagFix(no_definition=lambda name: name in (b'infix', b'infixl', b'infixr')),
    # ctags reads the array assignment "dirs=()" as a function "dirs=".
    'Sh': TagFix(no_definition=lambda name: name.endswith(b'=')),
}


def last_part(name):
    return SEPARATORS.split(name)[-1] if name else name


def unquote(name):
    if len(name) > 2 and name[:1] in b'"`' and name[-1:] == name[:1]:
        return name[1:-1]
    return name


def agree_one(rule_name, oracle_name):
    # ctags writes "operator &" where the source has "operator&", and leaves
    # out the type parameters that a set may show ("From<T>").
    # It also drops the quotes of a quoted identifier (SQL's "substring").
    rule_name, oracle_name = rule_name.replace(b' ', b''), oracle_name.replace(b' ', b'')
    if unquote(rule_name) == oracle_name:
        return True
    rule_name = SCOPE_TYPE_PARAMETERS.sub(b'', rule_name)  # "RepeatedField<Element>::Add", ctags "...Field::Add"
    if not rule_name.endswith(b'...'):
        rule_name = TYPE_PARAMETERS.sub(b'', rule_name)
    if rule_name == oracle_name or check_rules.shorten(oracle_name) == rule_name:
        return True
    if rule_name.endswith(b'...'):
        # A cut name may have lost the scope that ctags puts in front too.
        stem, at = rule_name[:-3], oracle_name.find(rule_name[:-3])
        if stem and (at == 0 or (at > 0 and oracle_name[at - 1:at] in b':.')):
            return True
    return bool(oracle_name) and last_part(rule_name) == last_part(oracle_name)


def agree(rule_name, oracle_names):
    if not oracle_names:
        return rule_name == b''
    return any(agree_one(rule_name, name) for name in oracle_names)


def rule_scan(rule, lines, engine):
    """(name per line, header line indices) as the module's scan gives them."""
    subjects = [line for line in lines if line]
    ignored = check_rules.run_engine(engine, rule['Ignore'], subjects) if rule['Ignore'] else [None] * len(subjects)
    matched = check_rules.run_engine(engine, rule['Match'], subjects)
    names, headers, current, k = [], set(), b'', 0
    for n, line in enumerate(lines):
        if line:
            regs = matched[k]
            if ignored[k] is None and regs is not None:
                g = rule['RegNum']
                start, end = regs[g] if g < len(regs) else (-1, -1)
                current = check_rules.shorten(line[start:end] if end - start > 0 else b'')
                headers.add(n)
            k += 1
        names.append(current)
    return names, headers


def carry(lines, tags, current):
    names = []
    for n in range(len(lines)):
        current = tags.get(n, current)
        names.append(current)
    return names


# Lines that a rule seeing one line at a time reads as code though they are
# not: block comments, where commented-out code or an example program reads
# like definitions (Haskell's "{- ... -}", which nest, and "/* ... */"), and
# Markdown's fenced code blocks ("```" or "~~~"), whose "# " lines ctags
# leaves out and a rule reads as headings. Only a line that starts inside the
# block counts; the opening line shows its marker to the rule. In code an
# opening marker counts unless a string or a line comment holds it; inside a
# comment only the markers count.
HASKELL_CODE_TOKEN = re.compile(rb'\{-|"(?:[^"\\]|\\.)*"|--+(?![!#$%&*+./<=>?@\\^|~:]).*')
HASKELL_COMMENT_TOKEN = re.compile(rb'\{-|-\}')
C_CODE_TOKEN = re.compile(rb'/\*|"(?:[^"\\]|\\.)*"|//.*')
C_COMMENT_TOKEN = re.compile(rb'\*/')
MARKDOWN_FENCE = re.compile(rb'\s*(`{3,}|~{3,})')


def block_comment_lines(code_token, comment_token, opening):
    def inside_lines(lines):
        inside, depth = set(), 0
        for n, line in enumerate(lines):
            if depth:
                inside.add(n)
            pos = 0
            while True:
                m = (comment_token if depth else code_token).search(line, pos)
                if not m:
                    break
                depth += 1 if m.group() == opening else -1 if depth else 0
                pos = m.end()
        return inside
    return inside_lines


def markdown_fenced_lines(lines):
    inside, fence = set(), None
    for n, line in enumerate(lines):
        m = MARKDOWN_FENCE.match(line)
        if fence is None:
            if m:
                fence = m.group(1)
        elif m and m.group(1)[:1] == fence[:1] and len(m.group(1)) >= len(fence) and not line[m.end():].strip():
            fence = None
        else:
            inside.add(n)
    return inside


C_COMMENT_LINES = block_comment_lines(C_CODE_TOKEN, C_COMMENT_TOKEN, b'/*')
OUT_OF_CONTEXT = dict({language: C_COMMENT_LINES for language in ('C', 'C++', 'C#', 'Java', 'Kotlin', 'Go',
                                                                  'ObjectiveC', 'PHP', 'Rust')},
                      Haskell=block_comment_lines(HASKELL_CODE_TOKEN, HASKELL_COMMENT_TOKEN, b'{-'),
                      Markdown=markdown_fenced_lines)

NAMED = b'\0name'  # the decision "a header named by the name that ends the line"
FIXED = b'\0fixed'  # the form of a line decided outside the vote (best_line_rule)
TRAILING_NAME = re.compile(rb'(.*\s)([\w.$]+)$')


def best_line_rule(files, fixed=None):
    """Tags that a rule seeing one line at a time can reproduce: the name must
    stand on the line, and one decision holds for every line of the same form.
    A line that ends in the name of its definition (Ada's "procedure
    Start_Search_Internal", with the parameters below) has the form of the
    text before the name, which it shares with every line of that text and
    another name (the declaration "function readdir_gnat"): a rule reads the
    name, not whether it begins a body. Each form starts with the decision of
    the majority of its lines; then each form whose lines disagree takes, in
    turn, the decision under which most lines agree. Counting lines of text
    alone undervalues a header whose body is long beside declarations of the
    same form whose lines carry the same name anyway.

    fixed gives per file {line index: the set's name or None} for the lines
    that a rule reads out of context (OUT_OF_CONTEXT): text in a block that
    reads like code. Nothing on such a line shows the block, so the best a
    rule can do there is to read it as it reads code, which is what the set
    does; those lines take the set's decision and give the estimate no credit
    the set does not get. Deciding each of their texts by the tags, as code
    lines are, would score every line of a commented-out example that occurs
    nowhere else perfectly."""
    prefixes = set()
    for lines, tags in files:
        for n, names in tags.items():
            m = TRAILING_NAME.match(lines[n].strip()) if n < len(lines) else None
            if m and any(last_part(name) == m.group(2) or name == m.group(2) for name in names):
                prefixes.add(m.group(1))

    def form(line):
        text = line.strip()
        m = TRAILING_NAME.match(text)
        return (m.group(1) + NAMED, m.group(2)) if m and m.group(1) in prefixes else (text, None)

    fixed = fixed or [{} for _ in files]
    votes = collections.defaultdict(collections.Counter)
    forms = []
    for k, (lines, tags) in enumerate(files):
        file_forms = []
        for n, line in enumerate(lines):
            if not line:
                file_forms.append(None)
                continue
            if n in fixed[k]:
                file_forms.append((FIXED, fixed[k][n]))
                continue
            key, own = form(line)
            # ctags writes "operator &" where the line has "operator&".
            bare = line.replace(b' ', b'')
            names = tuple(name for name in tags.get(n, []) if last_part(name).replace(b' ', b'') in bare)
            if own is not None and names:
                names = (NAMED,)
            votes[key][names or None] += 1
            file_forms.append((key, own))
        forms.append(file_forms)
    decision = {key: counts.most_common(1)[0][0] for key, counts in votes.items()}
    oracles = [carry(lines, tags, []) for lines, tags in files]
    memo = {}

    def name_of(key, own):
        if key is FIXED:
            return own
        chosen = decision[key]
        if chosen is None:
            return None
        return own if chosen[0] == NAMED else chosen[0]

    def agreeing(k):
        current, hits = b'', 0
        for item, oracle in zip(forms[k], oracles[k]):
            if item is None:
                continue
            name = name_of(*item)
            if name is not None:
                current = name
            key = (current, tuple(oracle))
            if key not in memo:
                memo[key] = agree(current, oracle)
            hits += memo[key]
        return hits

    holding = collections.defaultdict(set)
    for k, file_forms in enumerate(forms):
        for item in file_forms:
            if item is not None and item[0] is not FIXED and len(votes[item[0]]) > 1:
                holding[item[0]].add(k)
    for key in sorted(holding):
        scores = {}
        for choice in votes[key]:
            decision[key] = choice
            scores[choice] = sum(agreeing(k) for k in holding[key])
        decision[key] = max(votes[key], key=lambda choice: (scores[choice], votes[key][choice]))
    result = []
    for file_forms in forms:
        chosen = {}
        for n, item in enumerate(file_forms):
            name = name_of(*item) if item is not None else None
            if name is not None:
                chosen[n] = name
        result.append(chosen)
    return result


def classify(n, rule_headers_upto, tags_upto):
    r, t = rule_headers_upto, tags_upto
    if r is None and t is None:
        return None
    if t is None or (r is not None and r > t):
        return 'header ctags does not see', r
    if r is None or t > r:
        return 'definition the set misses', t
    return 'wrong name', t


def measure(set_name, rule, folder, engine, ctags, held=()):
    """Totals over all files of the folder, and over those named in held."""
    language, kinds = COUNTED[set_name]
    files, fixed, total, hits = [], [], 0, 0
    held_figures = [0, 0, 0]  # lines, agreeing lines, agreeing lines of the best line rule
    kinds_seen = collections.Counter()
    examples = {}
    for file_name in sorted(os.listdir(folder)):
        path = os.path.join(folder, file_name)
        with open(path, 'rb') as f:
            lines = f.read().replace(b'\r\n', b'\n').split(b'\n')
        if lines and lines[-1] == b'':
            lines.pop()
        tags = ctags_tags(ctags, language, path, kinds)
        files.append((lines, tags))
        oracle = carry(lines, tags, [])
        names, headers = rule_scan(rule, lines, engine)
        out_of_context = OUT_OF_CONTEXT.get(language)
        fixed.append({n: names[n] if n in headers else None
                      for n in (out_of_context(lines) if out_of_context else ()) if lines[n]})
        file_start = (total, hits)
        last_rule = last_tag = None
        for n, line in enumerate(lines):
            last_rule = n if n in headers else last_rule
            last_tag = n if n in tags else last_tag
            if not line:
                continue
            total += 1
            if agree(names[n], oracle[n]):
                hits += 1
                continue
            kind, at = classify(n, last_rule, last_tag)
            kinds_seen[kind] += 1
            if kind not in examples:
                examples[kind] = '%s:%d: set "%s", ctags "%s" | %s' % (
                    file_name, at + 1, names[at].decode('latin-1'), b' or '.join(oracle[at]).decode('latin-1'),
                    lines[at].decode('latin-1').strip()[:100])
        if file_name in held:
            held_figures[0] += total - file_start[0]
            held_figures[1] += hits - file_start[1]
    ceiling_hits = 0
    for file_name, (lines, tags), chosen in zip(sorted(os.listdir(folder)), files, best_line_rule(files, fixed)):
        oracle, best = carry(lines, tags, []), carry(lines, chosen, b'')
        file_hits = sum(1 for n, line in enumerate(lines) if line and agree(best[n], oracle[n]))
        ceiling_hits += file_hits
        if file_name in held:
            held_figures[2] += file_hits
    return total, hits, ceiling_hits, kinds_seen, examples, held_figures


def read_held_out(path):
    """{set name: file names} of tests/data/corpus/held-out.tsv."""
    held = collections.defaultdict(set)
    if os.path.exists(path):
        with open(path, encoding='utf-8') as f:
            for row in f:
                if row.strip() and not row.startswith('#'):
                    set_name, file_name = row.rstrip('\n').split('\t')[:2]
                    held[set_name].add(file_name)
    return held


def read_floors(path):
    floors = {}
    with open(path, encoding='utf-8') as f:
        for row in f:
            if row.startswith('#') or not row.strip():
                continue
            fields = row.rstrip('\n').split('\t')
            floors[fields[0]] = float(fields[1])
    return floors


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--engine', help='pattern tester command (default: newest build)')
    ap.add_argument('--ctags', default='ctags', help='Universal Ctags command')
    ap.add_argument('--corpus', help='folder with one sub-folder of files per set name '
                    '(default: the shipped corpus; floors apply only to it)')
    ap.add_argument('--floors', help='floors file (default: tests/data/corpus/floors.tsv '
                    'for the shipped corpus, none for another)')
    ap.add_argument('only', nargs='*', help='set names to measure')
    args = ap.parse_args()
    engine = check_rules.find_engine(args.engine)
    rules = {}
    for path in sorted(os.listdir(check_rules.SETS_DIR)):
        rule = check_rules.read_fragment(os.path.join(check_rules.SETS_DIR, path))
        rules[rule['name']] = rule
    corpus = args.corpus or CORPUS_DIR
    floors_path = args.floors or (FLOORS if corpus == CORPUS_DIR else None)
    floors = read_floors(floors_path) if floors_path else None
    held_out = read_held_out(HELD_OUT) if corpus == CORPUS_DIR else {}
    failures = 0
    for set_name in sorted(os.listdir(corpus), key=str.lower):
        folder = os.path.join(corpus, set_name)
        if not os.path.isdir(folder) or (args.only and set_name not in args.only):
            continue
        if set_name not in rules or set_name not in COUNTED:
            print('corpus: %s: no such rule set or no tag kinds for it' % set_name)
            failures += 1
            continue
        try:
            total, hits, ceiling, kinds, examples, held = measure(set_name, rules[set_name], folder, engine, args.ctags,
                                                                 held_out.get(set_name, ()))
        except (Problem, check_rules.Problem, subprocess.TimeoutExpired) as p:
            print('corpus: %s: %s' % (set_name, p))
            failures += 1
            continue
        pct, ceil_pct = 100.0 * hits / total, 100.0 * ceiling / total
        floor = floors.get(set_name) if floors is not None else None
        verdict = ''
        if floors is None:
            pass
        elif floor is None:
            verdict = '  NO FLOOR'
            failures += 1
        elif pct + 1e-9 < floor:
            verdict = '  BELOW FLOOR %.1f%%' % floor
            failures += 1
        print('corpus: %s %d/%d (%.1f%%), line-rule ceiling %.1f%%, floor %s%s' %
              (set_name, hits, total, pct, ceil_pct, '-' if floor is None else '%.1f%%' % floor, verdict))
        if held[0]:
            print('  held out (%s): %d/%d (%.1f%%), line-rule ceiling %.1f%%' % (
                ', '.join(sorted(held_out[set_name])), held[1], held[0], 100.0 * held[1] / held[0],
                100.0 * held[2] / held[0]))
        for kind, count in kinds.most_common(3):
            print('  %d lines: %s, e.g. %s' % (count, kind, examples[kind]))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
