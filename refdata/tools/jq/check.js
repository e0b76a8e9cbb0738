#!/usr/bin/env node
// Checks the committed JQ.tsv and reference.tsv:
//  - shape: 4,824 rows, 24 terms per year in order, moments rising, each in
//    its own year, texts encodable in GBK;
//  - every moment against the independent computation of meeus.js;
//  - reference.tsv equal to what meeus.js gives now, and within 2 minutes of
//    JQ.tsv (the tolerance the C++ test uses);
//  - a few moments published in almanacs (to the minute);
//  - for information, how far Astronomy Engine's own shortened-series
//    SearchSunLongitude would have been.
// Exits non-zero when any check fails.
//
//   node check.js

'use strict';

const path = require('path');
const Astronomy = require('astronomy-engine');
const meeus = require('./meeus');
const { TERM_NAMES, termLongitude, FIRST_YEAR, LAST_YEAR, windowStartUtc, WINDOW_DAYS, formatCst, parseCst } = require('./terms');
const { readTsv, gbkEncodable } = require('./tsv');

const JQ_FILE = path.join(__dirname, '..', '..', 'Tgcode', 'JQ.tsv');
const REFERENCE_FILE = path.join(__dirname, 'reference.tsv');

// Largest difference allowed between the two computations, in seconds.  The
// two differ in precession (IAU 2006 against the one built into VSOP87D,
// 0.3"/century apart), nutation series and aberration; that is worth up to
// about 15 s of time by 2100.
const MAX_METHOD_DIFF_S = 30;

// Moments published (China standard time, to the minute) by the national
// almanacs; the equinoxes and solstices are the UTC times of the US Naval
// Observatory's tables plus 8 hours.
const ALMANAC = [
  [2000, '春分', '2000-03-20 15:35'],
  [2000, '夏至', '2000-06-21 09:48'],
  [2000, '秋分', '2000-09-23 01:28'],
  [2000, '冬至', '2000-12-21 21:37'],
  [2020, '立春', '2020-02-04 17:03'],
  [2020, '春分', '2020-03-20 11:50'],
  [2020, '夏至', '2020-06-21 05:44'],
  [2020, '秋分', '2020-09-22 21:31'],
  [2020, '冬至', '2020-12-21 18:02'],
  [2021, '立春', '2021-02-03 22:59'],
  [2022, '立春', '2022-02-04 04:51'],
  [2023, '立春', '2023-02-04 10:42'],
  [2023, '春分', '2023-03-21 05:24'],
  [2024, '立春', '2024-02-04 16:27'],
  [2024, '春分', '2024-03-20 11:06'],
  [2024, '夏至', '2024-06-21 04:51'],
  [2024, '秋分', '2024-09-22 20:44'],
  [2025, '立春', '2025-02-03 22:10'],
];

let failures = 0;
function fail(msg) {
  failures++;
  console.log(`FAIL ${msg}`);
}

function checkShape(rows) {
  if (rows.length !== 24 * (LAST_YEAR - FIRST_YEAR + 1)) fail(`JQ.tsv has ${rows.length} rows`);
  let prev = null;
  rows.forEach((r, i) => {
    const y = FIRST_YEAR + Math.floor(i / 24);
    const name = TERM_NAMES[i % 24];
    if (+r.YearA !== y || r.JQ !== name) fail(`row ${i + 1}: ${r.YearA} ${r.JQ}, expected ${y} ${name}`);
    if (!/^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/.test(r.SJ) || +r.SJ.slice(0, 4) !== y) {
      fail(`row ${i + 1}: moment ${r.SJ}`);
      return;
    }
    const s = parseCst(r.SJ);
    if (formatCst(s * 1000) !== r.SJ) fail(`row ${i + 1}: ${r.SJ} is not a valid date and time`);
    if (prev !== null) {
      const gap = (s - prev) / 86400;
      if (gap < 14.6 || gap > 15.8) fail(`row ${i + 1}: ${gap.toFixed(2)} days after the previous term`);
    }
    prev = s;
    if (!gbkEncodable(r.JQ)) fail(`row ${i + 1}: ${r.JQ} not encodable in GBK`);
  });
}

function main() {
  const rows = readTsv(JQ_FILE);
  checkShape(rows);
  if (failures) {
    console.log(`${failures} check(s) failed`);
    process.exit(1);
  }
  const byKey = new Map(rows.map((r) => [`${r.YearA}${r.JQ}`, r.SJ]));

  // Every moment against the independent computation.
  let worst = { d: 0 };
  let sumAbs = 0;
  const hist = { '<=2s': 0, '<=5s': 0, '<=10s': 0, '<=20s': 0, '>20s': 0 };
  rows.forEach((r, i) => {
    const ref = Math.round(meeus.termMomentUtcMs(+r.YearA, i % 24) / 1000);
    const d = parseCst(r.SJ) - ref;
    sumAbs += Math.abs(d);
    const a = Math.abs(d);
    hist[a <= 2 ? '<=2s' : a <= 5 ? '<=5s' : a <= 10 ? '<=10s' : a <= 20 ? '<=20s' : '>20s']++;
    if (a > Math.abs(worst.d)) worst = { d, y: r.YearA, jq: r.JQ, sj: r.SJ };
  });
  console.log(`JQ.tsv against meeus.js, ${rows.length} moments: largest difference ${worst.d} s (${worst.y} ${worst.jq} ${worst.sj}), mean |difference| ${(sumAbs / rows.length).toFixed(2)} s`);
  console.log(`  distribution of |difference|: ${Object.entries(hist).map(([k, v]) => `${k} ${v}`).join(', ')}`);
  if (Math.abs(worst.d) > MAX_METHOD_DIFF_S) fail(`difference of ${worst.d} s exceeds ${MAX_METHOD_DIFF_S} s`);

  // reference.tsv: current, and within the C++ test's tolerance of JQ.tsv.
  const ref = readTsv(REFERENCE_FILE);
  if (ref.length !== 24 * meeus.REFERENCE_YEARS.length) fail(`reference.tsv has ${ref.length} rows`);
  let refWorst = 0;
  ref.forEach((r, i) => {
    const y = meeus.REFERENCE_YEARS[Math.floor(i / 24)];
    if (+r.YearA !== y || r.JQ !== TERM_NAMES[i % 24]) fail(`reference.tsv row ${i + 1}: ${r.YearA} ${r.JQ}`);
    if (r.SJ !== formatCst(meeus.termMomentUtcMs(y, i % 24))) fail(`reference.tsv row ${i + 1} differs from meeus.js`);
    const jq = byKey.get(`${r.YearA}${r.JQ}`);
    const d = parseCst(jq) - parseCst(r.SJ);
    refWorst = Math.max(refWorst, Math.abs(d));
    if (Math.abs(d) > 120) fail(`reference ${r.YearA} ${r.JQ}: ${r.SJ} against ${jq}`);
  });
  console.log(`reference.tsv (${ref.length} moments, years ${meeus.REFERENCE_YEARS.join(' ')}): largest difference to JQ.tsv ${refWorst} s`);

  // Published moments.  A published minute stands for the half-open minute
  // around it; allow the rounding plus a few seconds of Delta T.
  let almanacWorst = 0;
  for (const [y, name, published] of ALMANAC) {
    const ours = byKey.get(`${y}${name}`);
    const d = parseCst(ours) - parseCst(`${published}:00`);
    almanacWorst = Math.max(almanacWorst, Math.abs(d));
    const ok = Math.abs(d) <= 40;
    console.log(`  ${ok ? 'ok  ' : 'FAIL'} ${y} ${name} published ${published}, JQ.tsv ${ours} (${d >= 0 ? '+' : ''}${d} s)`);
    if (!ok) fail(`${y} ${name} is ${d} s from the published minute`);
  }
  console.log(`almanac moments: ${ALMANAC.length} compared, largest difference to the published minute ${almanacWorst} s`);

  // For information only: Astronomy Engine's own SunPosition.
  let aeWorst = 0;
  for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
    for (let k = 0; k < 24; k++) {
      const t = Astronomy.SearchSunLongitude(termLongitude(k), windowStartUtc(y, k), WINDOW_DAYS);
      const ms = Date.UTC(2000, 0, 1, 12) + t.ut * 86400000;
      aeWorst = Math.max(aeWorst, Math.abs(Math.round(ms / 1000) - parseCst(byKey.get(`${y}${TERM_NAMES[k]}`))));
    }
  }
  console.log(`(information) Astronomy Engine SearchSunLongitude with its shortened Earth series: up to ${aeWorst} s from JQ.tsv`);

  console.log(failures ? `${failures} check(s) failed` : 'all checks passed');
  process.exit(failures ? 1 : 0);
}

main();
