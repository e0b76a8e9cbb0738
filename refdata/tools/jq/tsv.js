// Reading and writing the refdata .tsv format: UTF-8, LF, one header line,
// TAB-separated fields, escapes \t \n \\, \N for NULL, '#' comment lines.

'use strict';

const fs = require('fs');

function escapeField(v) {
  if (v === null || v === undefined) return '\\N';
  const s = String(v);
  if (s === '\\N') throw new Error('a text equal to \\N cannot be written');
  return s.replace(/\\/g, '\\\\').replace(/\t/g, '\\t').replace(/\n/g, '\\n');
}

function unescapeField(s) {
  if (s === '\\N') return null;
  return s.replace(/\\(.)/g, (m, c) => {
    if (c === 't') return '\t';
    if (c === 'n') return '\n';
    if (c === '\\') return '\\';
    throw new Error(`unknown escape ${m}`);
  });
}

function writeTsv(file, columns, rows, comment) {
  const lines = [];
  if (comment) lines.push(`# ${comment}`);
  lines.push(columns.join('\t'));
  for (const r of rows) lines.push(columns.map((c) => escapeField(r[c])).join('\t'));
  const tmp = `${file}.tmp`;
  fs.writeFileSync(tmp, lines.join('\n') + '\n', 'utf8');
  fs.renameSync(tmp, file);
}

function readTsv(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n').filter((l) => l !== '' && !l.startsWith('#'));
  const columns = lines[0].split('\t');
  return lines.slice(1).map((l, i) => {
    const f = l.split('\t');
    if (f.length !== columns.length) throw new Error(`${file}: row ${i + 1} has ${f.length} fields`);
    return Object.fromEntries(columns.map((c, j) => [c, unescapeField(f[j])]));
  });
}

// True when every character of s has a GBK encoding.  Node decodes GBK but
// does not encode it, so the set of encodable characters is made by decoding
// every two-byte code once.
let gbkSet = null;
function gbkEncodable(s) {
  if (!gbkSet) {
    gbkSet = new Set();
    const dec = new TextDecoder('gbk', { fatal: true });
    for (let lead = 0x81; lead <= 0xfe; lead++) {
      for (let trail = 0x40; trail <= 0xfe; trail++) {
        if (trail === 0x7f) continue;
        try { gbkSet.add(dec.decode(Uint8Array.of(lead, trail))); } catch (e) { /* unassigned */ }
      }
    }
  }
  for (const c of s) if (c.codePointAt(0) >= 0x80 && !gbkSet.has(c)) return false;
  return true;
}

module.exports = { writeTsv, readTsv, escapeField, unescapeField, gbkEncodable };
