#!/usr/bin/env node
// Writes la.aff and la.dic from a Hunspell dictionary's .aff and .dic, each as UTF-8 with one
// byte-order mark and otherwise byte for byte as given. The host reads both files as UTF-8, so
// an .aff that declares another character set (SET) is refused rather than passed on
// mislabelled, and so is a file that is not valid UTF-8.
"use strict";
const fs = require("fs");
const path = require("path");

const BOM = Buffer.from([0xef, 0xbb, 0xbf]);

function fail(message) {
  console.error(`make-dictionary: ${message}`);
  process.exit(1);
}

function startsWithBom(bytes) {
  return bytes.subarray(0, BOM.length).equals(BOM);
}

function contentWithoutBom(file) {
  const bytes = fs.readFileSync(file);
  const content = startsWithBom(bytes) ? bytes.subarray(BOM.length) : bytes;
  if (startsWithBom(content)) fail(`${file} starts with two byte-order marks`);
  return content;
}

function decodeUtf8(bytes, file) {
  try {
    return new TextDecoder("utf-8", { fatal: true, ignoreBOM: true }).decode(bytes);
  } catch {
    fail(`${file} is not valid UTF-8`);
  }
}

function checkAffix(text, file) {
  const set = text.match(/^SET[ \t]+(\S+)/m);
  if (!set) fail(`${file} declares no SET; Hunspell would read it as ISO8859-1`);
  if (set[1].toUpperCase() !== "UTF-8") fail(`${file} declares SET ${set[1]}, not UTF-8`);
}

function checkWordList(text, file) {
  const firstLine = text.slice(0, text.indexOf("\n"));
  if (!/^\d+\s*$/.test(firstLine)) fail(`${file} does not start with a word count`);
}

function writeWithBom(content, outFile) {
  fs.writeFileSync(outFile, Buffer.concat([BOM, content]));
  console.error(`make-dictionary: ${outFile}: ${BOM.length + content.length} bytes`);
}

function main() {
  const [affFile, dicFile, outDir] = process.argv.slice(2);
  if (!affFile || !dicFile || !outDir) fail("usage: make-dictionary.js IN.aff IN.dic OUT_DIR");
  const aff = contentWithoutBom(affFile);
  const dic = contentWithoutBom(dicFile);
  checkAffix(decodeUtf8(aff, affFile), affFile);
  checkWordList(decodeUtf8(dic, dicFile), dicFile);
  writeWithBom(aff, path.join(outDir, "la.aff"));
  writeWithBom(dic, path.join(outDir, "la.dic"));
}

main();
