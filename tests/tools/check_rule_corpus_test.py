#!/usr/bin/env python3
"""Tests of tools/check-rule-corpus.py: how names are compared with the
tagger's, and the figures, kinds and floors on a small corpus of its own.

  check_rule_corpus_test.py SOURCE_DIR SKERROW_REGEX WORK_DIR

Exits 77 (skipped) when Universal Ctags, node with the TypeScript compiler, a
JDK or hugs with the haskell-src parser is not installed.
"""
import importlib.util
import os
import shutil
import subprocess
import sys

SOURCE, ENGINE, WORK = sys.argv[1:4]
TOOL = os.path.join(SOURCE, 'tools', 'check-rule-corpus.py')

failures = []


def check(what, ok):
    if not ok:
        failures.append(what)
        print('FAIL: ' + what)


def load_tool():
    spec = importlib.util.spec_from_file_location('check_rule_corpus', TOOL)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def test_names():
    agree = load_tool().agree
    check('same name', agree(b'parse', [b'parse']))
    check('scope on the set side', agree(b'Reader::parse', [b'parse']))
    check('scope on the tagger side', agree(b'parse', [b'ns::Reader::parse']))
    check('singleton method keeps self.', agree(b'self.load', [b'load']))
    check('operator blanks', agree(b'operator&', [b'operator &']))
    cut = b'TypeParameterizedTestSuiteRegi...'
    check('cut qualified name', agree(cut, [b'Register', b'testing::TypeParameterizedTestSuiteRegistry::Register']))
    check('cut name must start at a component', not agree(b'ameterizedTestSuiteRegistr...', [b'x::TypeParameterizedTestSuiteRegistry::R']))
    check('constructor is not the class', not agree(b'Queue', [b'constructor']))
    check('destructor keeps its tilde', not agree(b'Lock', [b'~Lock']))
    check('a name where the tagger has none', not agree(b'Copyright', []))
    check('no name where the tagger has none', agree(b'', []))
    check('type parameters the tagger leaves out', agree(b'TBits.From<T>', [b'TBits.From']))
    check('an operator is no type parameter list', not agree(b'<=>', [b'==']))
    check('quoted identifier', agree(b'"substring"', [b'substring']))
    check('a quote alone is no name', not agree(b'"', [b'']))


JAVA = b'''interface Shape {
    double area();
}

class Square implements Shape {
    public double area() {
        return 4.0;
    }
}
'''

PASCAL = b'''unit Shapes;

interface

function Area(Side: Double): Double;

implementation

function Area(Side: Double): Double;
begin
  Result := Side * Side;
end;

end.
'''


def test_declarations():
    tool = load_tool()
    for name, text, language, kinds, expected in (
            ('Shape.java', JAVA, 'Java', {'method'}, {5: [b'area', b'Square.area']}),
            ('Shapes.pas', PASCAL, 'Pascal', {'function'}, {8: [b'Area']})):
        path = os.path.join(WORK, name)
        with open(path, 'wb') as f:
            f.write(text)
        tags = tool.ctags_tags('ctags', language, path, kinds)
        check('%s: only the definition counts, got %r' % (name, tags), tags == expected)


JAVASCRIPT = b'''const fs = require('fs')
const done = er => {
  log(er)
}
log.pause = function () {
  paused = true
}
var m = {
  id: 1,
  run: function run (x) {
    return x
  }
}
function Finder (path) {
  this.path = path
}
function configure (gyp) {
  find(gyp, function (err) {
    next()
  })
  function next () {
    tracker[P] = function () {}
  }
}
'''

TYPESCRIPT = b'''export interface Options
    extends BaseOptions {
  port: number;
}
function start(port: number) {
  const onerror = (err: Error): void => {
    fail(err);
  };
  const timeoutMs = 5;
}
namespace pool {
  export class Agent {
    constructor(size: number) {
      this.size = size;
    }
    get free(): number {
      return 0;
    }
  }
}
namespace outer {
  namespace inner {
    class Bag {
      [Symbol.iterator]() {
        return [];
      }
      get [Symbol.toStringTag]() {
        return "Bag";
      }
    }
  }
}
'''

CLOJURE = b'''(ns shapes)
(defn area [s] (* s s))
(defn- side [sq] (:side sq))
(defmacro unless [c & body] `(if ~c nil (do ~@body)))
'''

LISP = b'''(defclass shape () ())
(defgeneric area (shape))
(defmethod area ((s shape)) 0)
(macrolet ((define-reader (name)
             `(defun ,name (s) s)))
  (defmacro with-shape (s) s))
'''

JAVA_ANONYMOUS = b'''class Bits {
    Iterator<Integer> iterator() {
        return new Iterator<Integer>() {
            @Override
            public boolean hasNext() {
                return false;
            }
        };
    }
}
'''

ADA = b'''package body Lemmas is
   procedure Free is new Ada.Unchecked_Deallocation (Cell, Cell_Ptr);
   procedure Check (K : Integer) is null;
   procedure Split (S : String) is
   begin
      null;
   end Split;
end Lemmas;
'''

FORTRAN = b'''module locks
  interface
    subroutine init_lock (svar)
      integer, intent (out) :: svar
    end subroutine init_lock
  end interface
end module
'''

SCHEME = b'''(define-module (shapes square))
(define unit (make-square 1))
(define (area sq)
  (define (side s) (car s))
  (* (side sq) (side sq)))
(define twice (lambda (x) (* 2 x)))
'''

SQL = b'''CREATE OR REPLACE FUNCTION lpad(text, integer)
 RETURNS text
 LANGUAGE sql
RETURN lpad($1, $2, ' ');

CREATE FUNCTION ratio(a numeric, b numeric) RETURNS numeric RETURN a / b;
CREATE FUNCTION total(id int) RETURNS numeric LANGUAGE sql
AS 'SELECT sum(amount) FROM lines WHERE invoice = $1';
CREATE FUNCTION label(id int) RETURNS text LANGUAGE plpgsql AS $$
BEGIN
  RETURN 'INV-' || id;
END $$;
'''

KOTLIN = b'''interface Sized {
    fun size(): Int
}
internal expect fun checkIndex(index: Int): Int
fun copyAll(
    from: List<String>,
    to: MutableList<String>
): Int {
    from.forEach { item -> to.add(item) }
    return when (val n = from.size) {
        0 -> 0
        else -> n
    }
}
fun twice(x: Int) =
    x * 2
'''

OBJECTIVE_C = b'''@interface Clock : NSObject
- (id) initWithTick: (double)tick;
@end

@implementation Clock
+ (id) clockWithTick: (double)tick
              repeats: (BOOL)flag
{
  return [[self alloc] initWithTick: tick];
}
- (void) stop
{
}
@end
'''


HASKELL = b'''module Pretty where
infixl 6 <>
isEmpty :: Doc -> Bool
-- | Documented apart from its equations.
text :: String -> Doc
text s = Text s

isEmpty Empty = True
isEmpty _ = False

(<>) :: Doc -> Doc -> Doc
Text a <> Text b = Text (a ++ b)

render
  :: Doc -> String
render d = show d

instance Show Doc where
  show d = render d
'''
ASM = b'''%macro cextern 1
[extern %1]
%endmacro
cextern dc_x
trackbuf resb 512
bi_pvd:	dd 16
getlinsec:
	mov ax,1
.loop:	dec cx
	jnz .loop
	ret
'''
BASIC = b'''Class Account
    Public Default Property Get Balance()
        Balance = 0
    End Property
    Public Default Sub Reset()
    End Sub
End Class
Sub SetTotal(x)
End Sub
SubSetTotal 1
'''
R = b'''gen$new <- function(...) {
  lapply(x, function(y) y)
}
`[.glue` <- function(x, i) {
  x
}
'''

HTML = b'''<h2>Fees</h2>
<p>Due in April.</p>
<h4 id="late">Late payment</h4>
<H6>Refunds</H6>
<p><a href="#h4">h4 is a name here</a></p>
'''

TEX = b'''\\newcommand{\\station}{Skerry Point}
\\renewcommand\\vec[1]{\\mathbf{#1}}
\\long\\def\\remark#1{\\par #1}
\\newenvironment{observation}{\\begin{quote}}{\\end{quote}}
\\section{Methods}
'''

BIBTEX = b'''@string{ieee = "IEEE"}
@article{knuth84,
  author = "Knuth",
}
@electronic{IEEEhowto:IEEEtranpage,
  url = "http://www.michaelshell.org/tex/ieeetran/"
}
'''

MATLAB = b'''classdef Parser < handle
  methods
    function addRequired (this, name, val = Parser.def_val)
      this.names{end+1} = name;
    end
    function r = count (this, start = 1)
      r = numel (this.names) - start;
    end
  end
end
'''


MARKDOWN = b'''# Timing

```
-------------------
Benchmark      Time
-------------------
BM_Sort        26 ns
```

## Threads

Each thread runs the loop.
'''


def test_oracle_corrections():
    """Where the tagger misfiles or leaves out definitions, the oracle says what
    the code defines; the names still come from ctags."""
    tool = load_tool()
    for name, text, set_name, expected in (
            # Functions bound to names count, an object literal does not, and
            # a constructor function filed as a class counts as a function.
            # The compiler's parser adds the nested function ctags loses after a
            # callback and the object-literal method; a computed member has no name.
            ('bind.js', JAVASCRIPT, 'JavaScript', {1: [b'done'], 4: [b'pause'], 9: [b'run'], 13: [b'Finder'],
                                                   16: [b'configure'], 20: [b'next']}),
            # A local arrow function counts, a local value does not; the
            # interface belongs on the line that names it. The compiler's
            # parser adds the nested namespace ctags leaves out and the
            # methods named by a symbol, which ctags calls "get" or misses.
            ('start.ts', TYPESCRIPT, 'TypeScript', {0: [b'Options'], 4: [b'start'], 5: [b'onerror'],
                                                    10: [b'pool'], 11: [b'Agent', b'pool.Agent'],
                                                    12: [b'constructor', b'pool.Agent.constructor'],
                                                    15: [b'free', b'pool.Agent.free'], 20: [b'outer'],
                                                    21: [b'inner'], 22: [b'Bag', b'outer.Bag'],
                                                    23: [b'[Symbol.iterator]'], 26: [b'[Symbol.toStringTag]']}),
            ('shapes.clj', CLOJURE, 'Clojure', {1: [b'area'], 2: [b'side'], 3: [b'unless']}),
            # Generic functions, methods and nested definitions count; a class
            # and a template inside a macro do not.
            ('shapes.lisp', LISP, 'Common Lisp', {1: [b'area'], 2: [b'area'], 5: [b'with-shape']}),
            # ctags does not look into method bodies; the JDK's parser finds
            # the anonymous class's method on the line of its name.
            ('Bits.java', JAVA_ANONYMOUS, 'Java', {1: [b'iterator', b'Bits.iterator'], 4: [b'hasNext']}),
            # ctags reads nothing after a null procedure unless it is shown
            # with a body; an instance of a generic is no definition.
            ('lemmas.adb', ADA, 'Ada', {2: [b'Check', b'Lemmas.Check'], 3: [b'Split', b'Lemmas.Split']}),
            # An interface body declares a procedure with its arguments below.
            ('locks.f90', FORTRAN, 'Fortran', {2: [b'init_lock']}),
            # An internal define counts; a module and a plain value do not.
            ('shapes.scm', SCHEME, 'Scheme', {2: [b'area'], 3: [b'side'], 5: [b'twice']}),
            # Lambda parameters, "when" variables and functions without a
            # body are no definitions.
            ('sized.kt', KOTLIN, 'Kotlin', {4: [b'copyAll'], 14: [b'twice']}),
            # A method is named by its selector's first keyword where that
            # is written, not on the line of "{"; a declaration is none.
            ('clock.m', OBJECTIVE_C, 'Objective-C', {5: [b'clockWithTick'], 10: [b'stop']}),
            # A body in the short form "RETURN expression;" is a body.
            ('short.sql', SQL, 'SQL', {0: [b'lpad'], 5: [b'ratio'], 6: [b'total'], 8: [b'label']}),
            # The parser adds signatures, operators and instances, and its name
            # wins where ctags reads an equation with constructor patterns as
            # a function "Text"; a fixity declaration is no function.
            ('pretty.hs', HASKELL, 'Haskell', {2: [b'isEmpty'], 4: [b'text'], 5: [b'text'], 7: [b'isEmpty'],
                                               8: [b'isEmpty'], 10: [b'<>'], 11: [b'<>'], 13: [b'render'],
                                               15: [b'render'], 17: [b'instance Show Doc']}),
            # A NASM macro counts and its uses do not; data labels and local
            # labels do not either.
            ('boot.asm', ASM, 'Assembler x86', {0: [b'cextern'], 6: [b'getlinsec']}),
            # A class, a property procedure and a sub with modifiers ctags
            # does not read count; a call that begins with "Sub" does not.
            ('account.vbs', BASIC, 'Visual Basic', {0: [b'Account'], 1: [b'Balance'], 4: [b'Reset'],
                                                    7: [b'SetTotal']}),
            # ctags names anonymous functions (and a function bound to a
            # member) "anonFunc..." and keeps the quotes of a quoted name.
            ('glue.R', R, 'R', {3: [b'[.glue']}),
            # ctags knows <h1> to <h3>; <h4> to <h6> are headings all the same.
            ('fees.html', HTML, 'HTML', {0: [b'Fees'], 2: [b'Late payment'], 3: [b'Refunds']}),
            # ctags reads "\newcommand{\name}" alone; the other forms that define
            # a command or an environment count too, and the backslash that
            # ctags doubles in a name is one.
            ('report.tex', TEX, 'TeX, LaTeX', {0: [b'\\station'], 1: [b'\\vec'], 2: [b'\\remark'],
                                               3: [b'observation'], 4: [b'Methods']}),
            # Entries of a type ctags does not know count; a string does not.
            ('refs.bib', BIBTEX, 'BibTeX', {1: [b'knuth84'], 4: [b'IEEEhowto:IEEEtranpage']}),
            # A function whose parameters have default values counts.
            ('parser.m', MATLAB, 'MATLAB', {2: [b'addRequired'], 5: [b'count']}),
            # A line of dashes that begins a code block underlines no heading,
            # and the heading after the block counts.
            ('timing.md', MARKDOWN, 'Markdown', {0: [b'Timing'], 9: [b'Threads']})):
        path = os.path.join(WORK, name)
        with open(path, 'wb') as f:
            f.write(text)
        language, kinds = tool.COUNTED[set_name]
        tags = tool.ctags_tags('ctags', language, path, kinds)
        check('%s: got %r' % (name, tags), tags == expected)


# Makes every lookup of the TypeScript compiler fail, as on a machine without it.
HIDE_COMPILER = """const Module = require('module');
const load = Module._load;
Module._load = function (request, ...rest) {
  if (/typescript$/.test(request)) throw Object.assign(new Error('hidden'), {code: 'MODULE_NOT_FOUND'});
  return load.call(this, request, ...rest);
};
"""


def test_compiler_lookup():
    """The compiler is found from any folder without NODE_PATH (a node that is
    not Debian's does not search Debian's module folders), and its absence is
    one line naming the package, not a stack trace."""
    functions = os.path.join(SOURCE, 'tools', 'check-rule-corpus-functions.js')
    source = os.path.join(WORK, 'lookup.ts')
    with open(source, 'wb') as f:
        f.write(b'function found(): void {}\n')
    env = {k: v for k, v in os.environ.items() if k != 'NODE_PATH'}
    proc = subprocess.run(['node', functions, source], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          cwd='/', env=env)
    check('compiler found without NODE_PATH: %r' % proc.stderr[-200:],
          proc.returncode == 0 and proc.stdout == b'1\tfound\n')
    hide = os.path.join(WORK, 'hide-compiler.js')
    with open(hide, 'w') as f:
        f.write(HIDE_COMPILER)
    proc = subprocess.run(['node', '-r', hide, functions, source], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, cwd='/', env=env)
    lines = proc.stderr.decode('latin-1').strip().split('\n')
    check('a missing compiler is one line: %r' % lines,
          proc.returncode == 3 and len(lines) == 1 and 'node-typescript' in lines[0])


def test_ceiling():
    tool = load_tool()
    best_line_rule = tool.best_line_rule
    # Two declarations and one body share a text; the body's lines outweigh
    # the declarations', so the best rule takes the text for a header.
    lines = [b'function Match', b'  (P : Exact) return Boolean;', b'function Match',
             b'  (P : Regexp) return Boolean;', b'function Match', b'  (P : Exact) return Boolean', b'is',
             b'begin', b'   return P.Str = Current;', b'end Match;']
    chosen = best_line_rule([(lines, {4: [b'Match']})])[0]
    check('a long body outweighs its declarations: %r' % chosen, chosen.get(4) == b'Match')
    # A name alone on its line begins a body or a declaration; a rule sees
    # the form, not the name, so both get the same decision.
    lines = [b'procedure Start_Search', b'  (Search : in out Search_Type);', b'procedure Close',
             b'  (Search : in out Search_Type);', b'procedure Start_Search', b'  (Search : in out Search_Type)',
             b'is', b'begin', b'   Search.Open := True;', b'   Search.Count := 0;', b'end Start_Search;']
    chosen = best_line_rule([(lines, {4: [b'Start_Search']})])[0]
    check('one decision for a name alone: %r' % chosen, (0 in chosen) == (2 in chosen) == (4 in chosen))
    # An example in a comment reads like code; the estimate takes the set's
    # reading there instead of learning each line of the example by heart.
    lines = [b'run :: IO ()', b'run = go', b'{- an example, {- nested -} still in it:', b'main = do',
             b'  print 1', b'-}', b'  -- {- not a comment', b'go = print "{-"', b'  where x = 1']
    inside = tool.OUT_OF_CONTEXT['Haskell'](lines)
    check('Haskell comment lines: %r' % sorted(inside), inside == {3, 4, 5})
    tags = {0: [b'run'], 7: [b'go']}
    chosen = best_line_rule([(lines, tags)], [{3: b'main', 4: None, 5: None}])[0]
    check('a comment line takes the set\'s reading: %r' % chosen, chosen.get(3) == b'main')
    # ctags puts a blank in an operator's name that the line does not have.
    lines = [b'Flags operator&(Flags a, Flags b) {', b'  return Flags(a.bits & b.bits);', b'}']
    chosen = best_line_rule([(lines, {0: [b'operator &']})])[0]
    check('an operator is named on its line: %r' % chosen, chosen.get(0) == b'operator &')
    fence = [b'# Use', b'```sh', b'# run it', b'~~~', b'```', b'# Build']
    check('fenced lines', tool.OUT_OF_CONTEXT['Markdown'](fence) == {2, 3})


PERL = b'''package Tally;

sub new {
    my ($class) = @_;
    return bless {}, $class;
}

sub add { $_[0]{n}++ }

sub total {
    my ($self) = @_;
    return $self->{n};
}
'''


def run(corpus, floors=None, *sets):
    cmd = [sys.executable, TOOL, '--engine', ENGINE, '--corpus', corpus]
    if floors:
        cmd += ['--floors', floors]
    proc = subprocess.run(cmd + list(sets), stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          universal_newlines=True, timeout=120)
    return proc.returncode, proc.stdout


def test_corpus():
    corpus = os.path.join(WORK, 'corpus')
    shutil.rmtree(corpus, ignore_errors=True)
    os.makedirs(os.path.join(corpus, 'Perl'))
    with open(os.path.join(corpus, 'Perl', 'Tally.pm'), 'wb') as f:
        f.write(PERL)
    code, out = run(corpus)
    # The one-line "sub add" hands the lines below back to the previous sub,
    # as far as the set is concerned; ctags starts "add" there. Only that
    # header line differs: 9 of 10 lines agree.
    check('figures: ' + out, 'corpus: Perl 9/10 (90.0%)' in out)
    check('kind of disagreement: ' + out, '1 lines: definition the set misses, e.g. Tally.pm:8:' in out)
    check('no floor for another corpus', code == 0)

    floors = os.path.join(WORK, 'floors.tsv')
    with open(floors, 'w') as f:
        f.write('# set\tfloor\nPerl\t90.0\n')
    code, out = run(corpus, floors)
    check('at the floor passes: ' + out, code == 0 and 'floor 90.0%' in out)
    with open(floors, 'w') as f:
        f.write('Perl\t90.1\n')
    code, out = run(corpus, floors)
    check('below the floor fails: ' + out, code == 1 and 'BELOW FLOOR 90.1%' in out)
    with open(floors, 'w') as f:
        f.write('Python\t50\n')
    code, out = run(corpus, floors)
    check('a set without a floor fails: ' + out, code == 1 and 'NO FLOOR' in out)

    os.makedirs(os.path.join(corpus, 'NoSuchSet'))
    code, out = run(corpus)
    check('a folder no set claims fails: ' + out, code == 1 and 'NoSuchSet: no such rule set' in out)


def main():
    version = subprocess.run(['ctags', '--version'], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             universal_newlines=True) if shutil.which('ctags') else None
    if version is None or 'Universal Ctags' not in version.stdout:
        print('skipped: Universal Ctags is not installed')
        return 77
    # The compiler as the check finds it, also where node is not Debian's.
    functions = os.path.join(SOURCE, 'tools', 'check-rule-corpus-functions.js')
    if subprocess.run(['node', functions, '--check'], stderr=subprocess.DEVNULL).returncode != 0 \
            if shutil.which('node') else True:
        print('skipped: node with the TypeScript compiler is not installed')
        return 77
    if not shutil.which('javac'):
        print('skipped: no JDK is installed')
        return 77
    if not shutil.which('runhugs') or not os.path.isdir('/usr/lib/hugs/packages/haskell-src'):
        print('skipped: hugs with the haskell-src parser is not installed')
        return 77
    os.makedirs(WORK, exist_ok=True)
    test_names()
    test_declarations()
    test_oracle_corrections()
    test_compiler_lookup()
    test_ceiling()
    test_corpus()
    print('%d checks failed' % len(failures) if failures else 'all checks passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
