#!/usr/bin/env node
// Checks that Latin.hyph hyphenates exactly as the "hyphen" package's own hyphenator does with
// the trie it was decoded from, over every word of a word list (a Hunspell .dic: the stems
// before any "/" flags). Latin.hyph is read as a plain Liang pattern list, the way a consumer
// of the file reads it.
"use strict";
const fs = require("fs");
const path = require("path");

const BREAK = "-";
// hyphen.js breaks no word under 5 letters, and never after the first or before the last letter.
const MIN_WORD_LENGTH = 5;
const LEFT_MIN = 2;
const RIGHT_MIN = 2;

function readPatterns(file) {
  const text = fs.readFileSync(file, "utf8");
  if (!text.startsWith("\uFEFF")) throw new Error(`${file} has no byte-order mark`);
  if (text.includes("\r")) throw new Error(`${file} has carriage returns`);
  if (!text.endsWith("\n")) throw new Error(`${file} does not end with a line feed`);
  const table = new Map();
  for (const line of text.slice(1, -1).split("\n")) {
    const letters = line.replace(/\d/g, "");
    const levels = [];
    let gap = 0;
    for (const character of line) {
      if (/\d/.test(character)) levels[gap] = Number(character);
      else gap++;
    }
    table.set(letters, Array.from({ length: Array.from(letters).length + 1 }, (_, i) => levels[i] || 0));
  }
  return table;
}

// Liang's method on ".word.": the highest digit any matching pattern puts in each gap.
function hyphenateWithPatterns(word, patterns, longest) {
  const dotted = Array.from("." + word.toLocaleLowerCase() + ".");
  const gaps = new Array(dotted.length + 1).fill(0);
  for (let start = 0; start < dotted.length; start++) {
    for (let end = start + 1; end <= Math.min(dotted.length, start + longest); end++) {
      const levels = patterns.get(dotted.slice(start, end).join(""));
      if (!levels) continue;
      levels.forEach((level, i) => { gaps[start + i] = Math.max(gaps[start + i], level); });
    }
  }
  const letters = Array.from(word);
  if (letters.length < MIN_WORD_LENGTH) return word;
  let result = "";
  letters.forEach((letter, k) => {
    // Gap before letter k of the word is gap k + 1 of the dotted word.
    if (k >= LEFT_MIN && k <= letters.length - RIGHT_MIN && gaps[k + 1] % 2 === 1) result += BREAK;
    result += letter;
  });
  return result;
}

function readWords(dicFile) {
  const lines = fs.readFileSync(dicFile, "utf8").replace(/^\uFEFF/, "").split("\n").slice(1);
  const words = new Set();
  for (const line of lines) {
    const word = line.split("/")[0].trim();
    if (/^\p{L}+$/u.test(word)) words.add(word);
  }
  return [...words];
}

function main() {
  const [packageDir, hyphFile, dicFile] = process.argv.slice(2);
  if (!packageDir || !hyphFile || !dicFile) {
    console.error("usage: check-hyphenation.js HYPHEN_PACKAGE_DIR Latin.hyph WORDS.dic");
    process.exit(2);
  }
  const createHyphenator = require(path.resolve(packageDir, "hyphen.js"));
  const reference = createHyphenator(require(path.resolve(packageDir, "patterns", "la.js")), { hyphenChar: BREAK });
  const patterns = readPatterns(hyphFile);
  const longest = Math.max(...[...patterns.keys()].map((key) => Array.from(key).length));

  const words = readWords(dicFile);
  let differences = 0;
  let broken = 0;
  for (const word of words) {
    const expected = reference(word);
    const actual = hyphenateWithPatterns(word, patterns, longest);
    if (expected.includes(BREAK)) broken++;
    if (expected !== actual && differences++ < 20) console.error(`"${word}": package ${expected}, Latin.hyph ${actual}`);
  }
  console.log(`${words.length} words, ${broken} with breaks, ${patterns.size} patterns, ${differences} differences`);
  if (differences > 0 || broken < words.length / 4) process.exit(1);
}

main();
