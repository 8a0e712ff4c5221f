#!/usr/bin/env node
// Reads a packed FILES stream back without the packer and checks it against the manifest and
// the payload files: the entries in manifest order with their names, their times at exact
// DOS resolution, their bytes identical to the files, and each file in the form the setup and
// the host rely on.
//   check-stream.js FILES MANIFEST ROOT...
"use strict";
const fs = require("fs");
const path = require("path");
const zlib = require("zlib");

const MS_PER_DAY = 86400000;
const DAY_ZERO = Date.UTC(1899, 11, 30);
const BOM = Buffer.from([0xef, 0xbb, 0xbf]);
// The host's language descriptor, CR LF between lines and none after the last.
const LANGUAGE_DESCRIPTOR = [
  "[General]", "Language=1142", "Engine=hunspell", "",
  "[Fixed Lexicons]", "Count=1", "Lexicon1=la.dic", "",
  "[Editable Lexicons]", "Count=1", "Lexicon1=userdicla.tlx",
].join("\r\n");
// The license memo is 345 pixels wide, and a Windows edit control takes about 30,000 characters.
const LICENSE_MAX_LINE = 55;
const LICENSE_MAX_BYTES = 30000;

const failures = [];
function expect(condition, message) {
  if (!condition) failures.push(message);
}

function readManifest(file) {
  return fs.readFileSync(file, "utf8").split("\n")
    .map((line) => line.trim())
    .filter((line) => line !== "" && !line.startsWith("#"))
    .map((line) => {
      const [name, source, time] = line.split("|");
      return { name, source, time };
    });
}

// The stored value: day number + (milliseconds since midnight) / 86,400,000.
function encodeDateTime(text) {
  const [, y, mo, d, h, mi, s] = text.match(/^(\d{4})-(\d\d)-(\d\d) (\d\d):(\d\d):(\d\d)$/).map(Number);
  const day = (Date.UTC(y, mo - 1, d) - DAY_ZERO) / MS_PER_DAY;
  return day + ((h * 60 + mi) * 60 + s) * 1000 / MS_PER_DAY;
}

function inflateStream(stream) {
  expect(stream.length >= 6, "the stream is too short for a zlib stream");
  const header = stream.readUInt16BE(0);
  expect((header >> 8 & 0x0f) === 8 && (header >> 12) <= 7, "the stream is not DEFLATE with a window of at most 32 KB");
  expect(header % 31 === 0, "the zlib header check fails");
  expect((header & 0x20) === 0, "the stream asks for a preset dictionary");
  return zlib.inflateSync(stream);
}

function readEntries(archive) {
  const entries = [];
  let position = 0;
  while (position < archive.length) {
    const nameLength = archive[position];
    const headerEnd = position + 13 + nameLength;
    if (headerEnd > archive.length) throw new Error(`entry ${entries.length}: header runs past the end`);
    const name = archive.toString("latin1", position + 1, position + 1 + nameLength);
    const time = archive.readDoubleLE(position + 1 + nameLength);
    const size = archive.readInt32LE(position + 9 + nameLength);
    if (size < 0 || headerEnd + size > archive.length) throw new Error(`"${name}": content runs past the end`);
    entries.push({ name, time, content: archive.subarray(headerEnd, headerEnd + size) });
    position = headerEnd + size;
  }
  return entries;
}

function findSource(source, roots) {
  const root = roots.find((folder) => fs.existsSync(path.join(folder, source)));
  return root ? fs.readFileSync(path.join(root, source)) : null;
}

function isUtf8(bytes) {
  try {
    new TextDecoder("utf-8", { fatal: true }).decode(bytes);
    return true;
  } catch {
    return false;
  }
}

function checkUtf8WithOneBom(name, bytes) {
  expect(bytes.subarray(0, 3).equals(BOM), `${name} does not start with a byte-order mark`);
  expect(!bytes.subarray(3, 6).equals(BOM), `${name} starts with two byte-order marks`);
  expect(isUtf8(bytes), `${name} is not valid UTF-8`);
}

function checkBitmap(name, bytes, width, height) {
  expect(bytes.toString("latin1", 0, 2) === "BM", `${name} is not a Windows bitmap`);
  if (bytes.length < 54) return;
  expect(bytes.readInt32LE(18) === width && Math.abs(bytes.readInt32LE(22)) === height,
    `${name} is ${bytes.readInt32LE(18)} x ${bytes.readInt32LE(22)}, not ${width} x ${height}`);
  expect(bytes.readUInt16LE(28) === 8, `${name} has ${bytes.readUInt16LE(28)} bits per pixel, not 8`);
  expect(bytes.readUInt32LE(30) === 0, `${name} is compressed`);
}

const CONTENT_CHECKS = {
  "License.txt"(bytes) {
    expect(bytes.length < LICENSE_MAX_BYTES, `License.txt has ${bytes.length} bytes`);
    expect(/^[\x20-\x7e\n]*\n$/.test(bytes.toString("latin1")), "License.txt is not printable ASCII with line feeds");
    const longest = Math.max(...bytes.toString("latin1").split("\n").map((line) => line.length));
    expect(longest <= LICENSE_MAX_LINE, `License.txt has a line of ${longest} characters`);
  },
  "hunspell.dll"(bytes) {
    expect(bytes.toString("latin1", 0, 2) === "MZ", "hunspell.dll is not a Windows module");
    const pe = bytes.readUInt32LE(0x3c);
    expect(bytes.toString("latin1", pe, pe + 4) === "PE\0\0", "hunspell.dll has no PE header");
    expect(bytes.readUInt16LE(pe + 4) === 0x14c, "hunspell.dll is not a 32-bit x86 module");
    expect((bytes.readUInt16LE(pe + 22) & 0x2000) !== 0, "hunspell.dll is not a DLL");
  },
  "Latin.lsc"(bytes) {
    expect(bytes.toString("latin1") === LANGUAGE_DESCRIPTOR, `Latin.lsc differs from the descriptor (${bytes.length} bytes)`);
  },
  "userdicla.tlx"(bytes) {
    expect(bytes.length === 0, `userdicla.tlx has ${bytes.length} bytes`);
  },
  "la.dic"(bytes) {
    checkUtf8WithOneBom("la.dic", bytes);
    expect(/^\d+\n/.test(bytes.subarray(3, 20).toString("latin1")), "la.dic does not start with its word count");
  },
  "la.aff"(bytes) {
    checkUtf8WithOneBom("la.aff", bytes);
    expect(/^SET UTF-8\s*$/m.test(bytes.toString("utf8")), "la.aff does not declare SET UTF-8");
  },
  "Latin.hyph"(bytes) {
    checkUtf8WithOneBom("Latin.hyph", bytes);
    const text = bytes.toString("utf8").slice(1);
    expect(!text.includes("\r") && text.endsWith("\n"), "Latin.hyph does not end every line with a line feed alone");
    const bad = text.slice(0, -1).split("\n").filter((line) => !/^\.?(\d?\p{L})+\d?\.?$/u.test(line) || !/\d/.test(line));
    expect(bad.length === 0, `Latin.hyph has malformed patterns: ${bad.slice(0, 5).join(" ")}`);
  },
  "Logo.bmp": (bytes) => checkBitmap("Logo.bmp", bytes, 120, 260),
  "LogoSmall.bmp": (bytes) => checkBitmap("LogoSmall.bmp", bytes, 32, 32),
};

function main() {
  const [streamFile, manifestFile, ...roots] = process.argv.slice(2);
  if (!streamFile || !manifestFile || roots.length === 0) {
    console.error("usage: check-stream.js FILES MANIFEST ROOT...");
    process.exit(2);
  }
  const manifest = readManifest(manifestFile);
  const entries = readEntries(inflateStream(fs.readFileSync(streamFile)));
  expect(entries.length === manifest.length, `${entries.length} entries, the manifest lists ${manifest.length}`);

  manifest.forEach((line, index) => {
    const entry = entries[index];
    if (!entry) return;
    expect(entry.name === line.name, `entry ${index} is "${entry.name}", not "${line.name}"`);
    expect(entry.time === encodeDateTime(line.time), `"${entry.name}": time ${entry.time} is not ${line.time}`);
    const source = findSource(line.source, roots);
    expect(source !== null && source.equals(entry.content), `"${entry.name}": content differs from ${line.source}`);
    const check = CONTENT_CHECKS[entry.name];
    expect(check !== undefined, `"${entry.name}" is not a known payload file`);
    if (check) check(entry.content);
  });

  for (const entry of entries) console.log(`${entry.name.padEnd(14)} ${String(entry.content.length).padStart(9)} bytes`);
  if (failures.length > 0) {
    for (const failure of failures) console.error(`FAILED: ${failure}`);
    process.exit(1);
  }
  console.log(`${entries.length} entries checked`);
}

main();
