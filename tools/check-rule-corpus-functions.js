#!/usr/bin/env node
// Lists the functions that a JavaScript or TypeScript file defines, as the
// TypeScript compiler's own parser (Debian's node-typescript) reads them: one
// "LINE<TAB>NAME" row per definition, LINE counted from 1, where the name is
// written. tools/check-rule-corpus.py adds them where ctags's parser loses its
// way (nested functions after a callback, object-literal methods, the class
// members inside a namespace, nested namespaces).
//
//   check-rule-corpus-functions.js FILE
//   check-rule-corpus-functions.js --check   (exit 0 when the compiler loads)
'use strict';
const fs = require('fs');
const path = require('path');

// Debian's node searches its own module folders, a node from elsewhere only
// node_modules and NODE_PATH: Debian's folders are tried by path as well.
const DEBIAN_MODULES = ['/usr/share/nodejs', '/usr/lib/nodejs', '/usr/local/share/nodejs',
  '/usr/local/lib/nodejs'];

function loadCompiler () {
  for (const where of ['typescript', ...DEBIAN_MODULES.map(dir => path.join(dir, 'typescript'))]) {
    try {
      return require(where);
    } catch (e) {
      if (e.code !== 'MODULE_NOT_FOUND') throw e;
    }
  }
  process.stderr.write('check-rule-corpus-functions: node ' + process.version + ' finds no TypeScript ' +
    'compiler (Debian: apt-get install node-typescript; else npm install -g typescript and set NODE_PATH)\n');
  process.exit(3);
}

const ts = loadCompiler();
const file = process.argv[2];
if (file === '--check') process.exit(0);
if (!file) {
  process.stderr.write('usage: check-rule-corpus-functions.js FILE\n');
  process.exit(2);
}
const kind = /\.tsx?$/.test(file) ? ts.ScriptKind.TS : ts.ScriptKind.JS;
const source = ts.createSourceFile(file, fs.readFileSync(file, 'latin1'), ts.ScriptTarget.Latest, true, kind);

function isFunction (node) {
  return node && (ts.isFunctionExpression(node) || ts.isArrowFunction(node));
}

// A name the reader sees: identifiers and member chains ("log.pause"), not
// computed keys ("tracker[P]"), which no one can search for by name.
function nameOf (node) {
  if (!node) return null;
  if (ts.isIdentifier(node) || ts.isPrivateIdentifier(node) || ts.isStringLiteral(node)) return node.text;
  if (ts.isPropertyAccessExpression(node)) {
    const left = nameOf(node.expression);
    return left === null ? null : left + '.' + node.name.text;
  }
  if (node.kind === ts.SyntaxKind.ThisKeyword) return 'this';
  // A method named by a symbol ("[Symbol.iterator]() {") is written and
  // searched for with its brackets.
  if (ts.isComputedPropertyName(node)) {
    const inner = nameOf(node.expression);
    return inner === null || !ts.isPropertyAccessExpression(node.expression) ? null : '[' + inner + ']';
  }
  return null;
}

// A declaration without a body (an overload, an abstract or ambient member)
// defines no code below it.
function definition (node) {
  if (ts.isConstructorDeclaration(node)) return node.body ? ['constructor', node] : null;
  if (ts.isFunctionDeclaration(node) || ts.isMethodDeclaration(node) ||
      ts.isGetAccessorDeclaration(node) || ts.isSetAccessorDeclaration(node)) {
    return node.body && node.name ? [nameOf(node.name), node.name] : null;
  }
  if ((ts.isVariableDeclaration(node) || ts.isPropertyAssignment(node) || ts.isPropertyDeclaration(node)) &&
      isFunction(node.initializer)) {
    return [nameOf(node.name), node.name];
  }
  // A namespace holds code; ctags leaves out those nested in another.
  if (ts.isModuleDeclaration(node) && node.body && ts.isIdentifier(node.name)) return [node.name.text, node.name];
  if (ts.isBinaryExpression(node) && node.operatorToken.kind === ts.SyntaxKind.EqualsToken && isFunction(node.right)) {
    return [nameOf(node.left), node.left];
  }
  return null;
}

const rows = [];
function visit (node) {
  const found = definition(node);
  if (found && found[0]) {
    const line = source.getLineAndCharacterOfPosition(found[1].getStart(source)).line + 1;
    rows.push(line + '\t' + found[0]);
  }
  ts.forEachChild(node, visit);
}
visit(source);
process.stdout.write(rows.join('\n') + (rows.length ? '\n' : ''));
