#!/usr/bin/env node
// Writes Latin.hyph, the hyphenation patterns in Liang's notation, one per line ("a1b",
// ".ab2l3", "2s3que."), UTF-8 with a byte-order mark and line feeds, from the trie that the
// npm package "hyphen" ships in patterns/la.js.
//
// That module exports [levelsTable, trie, exceptions]. A trie node maps a character to either
//   - an object: the next level of the trie, no pattern ends here;
//   - a number: a pattern ends here; the number indexes levelsTable;
//   - an array [object, number]: both of the above.
// levelsTable[i] lists the digits of the gaps of a pattern, trailing zeros left out. Gap k is
// the gap before the pattern's k-th character, except in a pattern that starts at the word's
// edge: there the gap before the full stop does not exist and gap k is the one before
// character k + 1 (hyphen.js lines the two kinds of slice up that way).
"use strict";
const fs = require("fs");
const path = require("path");

const WORD_EDGE = ".";

function fail(message) {
  console.error(`make-hyphenation: ${message}`);
  process.exit(1);
}

function* walkTrie(node, prefix) {
  for (const [character, child] of Object.entries(node)) {
    const letters = prefix + character;
    if (typeof child === "number") {
      yield [letters, child];
    } else if (Array.isArray(child)) {
      if (child.length !== 2 || typeof child[1] !== "number") fail(`odd trie node at "${letters}"`);
      yield [letters, child[1]];
      yield* walkTrie(child[0], letters);
    } else if (child !== null && typeof child === "object") {
      yield* walkTrie(child, letters);
    } else {
      fail(`odd trie node at "${letters}"`);
    }
  }
}

function formatPattern(letters, levels) {
  const characters = Array.from(letters);
  const firstGapCharacter = characters[0] === WORD_EDGE ? 1 : 0;
  const gapCount = characters.length - firstGapCharacter + 1;
  if (levels.length > gapCount) fail(`"${letters}" has ${levels.length} levels for ${gapCount} gaps`);
  let text = "";
  characters.forEach((character, index) => {
    const level = levels[index - firstGapCharacter];
    if (level) text += String(level);
    text += character;
  });
  const last = levels[characters.length - firstGapCharacter];
  if (last) text += String(last);
  return text;
}

// A pattern is letters with digits between them, a full stop only at either end, never a digit
// outside a full stop, and at least one digit.
const PATTERN_SHAPE = /^(\.(?!\d))?(\d?\p{L})+\d?((?<!\d)\.)?$/u;

function checkPatterns(patterns) {
  for (const pattern of patterns) {
    if (!PATTERN_SHAPE.test(pattern) || !/\d/.test(pattern)) fail(`malformed pattern "${pattern}"`);
  }
  if (patterns.length < 50) fail(`only ${patterns.length} patterns: not a plausible pattern set`);
}

function main() {
  const [packageDir, outFile] = process.argv.slice(2);
  if (!packageDir || !outFile) fail("usage: make-hyphenation.js HYPHEN_PACKAGE_DIR OUT_FILE");
  const definition = require(path.resolve(packageDir, "patterns", "la.js"));
  if (!Array.isArray(definition) || definition.length < 2) fail("patterns/la.js has an unknown shape");
  const [levelsTable, trie, exceptions] = definition;
  // A list of patterns has no place for whole-word exceptions: refuse rather than drop them.
  if (exceptions && Object.keys(exceptions).length > 0) fail("the patterns carry exceptions, which Latin.hyph cannot hold");

  const patterns = [];
  for (const [letters, levelsIndex] of walkTrie(trie, "")) {
    const levels = levelsTable[levelsIndex];
    if (!Array.isArray(levels)) fail(`"${letters}" refers to a missing levels entry ${levelsIndex}`);
    patterns.push(formatPattern(letters, levels));
  }
  checkPatterns(patterns);

  const text = "\uFEFF" + patterns.map((pattern) => pattern + "\n").join("");
  fs.writeFileSync(outFile, text, "utf8");
  console.error(`make-hyphenation: ${patterns.length} patterns written to ${outFile}`);
}

main();
