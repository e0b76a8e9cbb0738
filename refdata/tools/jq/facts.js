#!/usr/bin/env node
// Writes the fixed chart tables of Tgcode: hzwh (element of each stem and
// branch), Shishen (ten gods between two stems) and jiazi (sound element of
// each of the sixty pillars).  Every table is built from the rules below and
// then checked against an independent statement of the same facts before
// anything is written.
//
//   node facts.js [OUTDIR]      (OUTDIR defaults to ../../Tgcode)

'use strict';

const path = require('path');
const { writeTsv, gbkEncodable } = require('./tsv');

const STEMS = [...'甲乙丙丁戊己庚辛壬癸'];
const BRANCHES = [...'子丑寅卯辰巳午未申酉戌亥'];
// Elements in the order of the producing cycle: each one produces the next.
const ELEMENTS = [...'木火土金水'];

// Element index of a stem: 甲乙 wood, 丙丁 fire, 戊己 earth, 庚辛 metal, 壬癸 water.
const stemElement = (s) => Math.floor(STEMS.indexOf(s) / 2);
// Yang stems are 甲丙戊庚壬 (even positions).
const stemYang = (s) => STEMS.indexOf(s) % 2 === 0;

// Element of each branch: 寅卯 wood, 巳午 fire, 申酉 metal, 亥子 water,
// and the four tomb branches 辰戌丑未 earth.
const BRANCH_ELEMENT = {
  子: '水', 丑: '土', 寅: '木', 卯: '木', 辰: '土', 巳: '火',
  午: '火', 未: '土', 申: '金', 酉: '金', 戌: '土', 亥: '水',
};

function buildHzwh() {
  // One row per element; the program matches a character with LIKE '%c%'.
  return ELEMENTS.map((wh, e) => {
    const stems = STEMS.filter((s) => stemElement(s) === e);
    const branches = BRANCHES.filter((b) => BRANCH_ELEMENT[b] === wh);
    // Branch order as usually recited: 寅卯, 巳午, 辰戌丑未, 申酉, 亥子.
    const order = [...'寅卯巳午辰戌丑未申酉亥子'];
    branches.sort((a, b) => order.indexOf(a) - order.indexOf(b));
    return { hz: stems.join('') + branches.join(''), wh };
  });
}

// Ten god of stem `other` seen from day stem `me`.  d is the step from my
// element to the other's along the producing cycle:
//   0 same element, 1 I produce it, 2 I overcome it, 3 it overcomes me,
//   4 it produces me.
const GODS_SAME = ['比肩', '食神', '偏财', '七杀', '偏印'];
const GODS_OTHER = ['劫财', '伤官', '正财', '正官', '正印'];
function tenGod(me, other) {
  const d = (stemElement(other) - stemElement(me) + 5) % 5;
  return stemYang(me) === stemYang(other) ? GODS_SAME[d] : GODS_OTHER[d];
}

function buildShishen() {
  const rows = [];
  for (const me of STEMS) for (const other of STEMS) rows.push({ jiazi: me + other, ShiShen: tenGod(me, other) });
  return rows;
}

// Sound elements (纳音) of the thirty pairs of pillars, 甲子乙丑 first.
const NAYIN = [
  '海中金', '炉中火', '大林木', '路旁土', '剑锋金', '山头火',
  '涧下水', '城头土', '白蜡金', '杨柳木', '泉中水', '屋上土',
  '霹雳火', '松柏木', '长流水', '沙中金', '山下火', '平地木',
  '壁上土', '金箔金', '覆灯火', '天河水', '大驿土', '钗钏金',
  '桑柘木', '大溪水', '沙中土', '天上火', '石榴木', '大海水',
];

function buildJiazi() {
  const rows = [];
  for (let i = 0; i < 60; i++) rows.push({ jiazi: STEMS[i % 10] + BRANCHES[i % 12], layin: NAYIN[Math.floor(i / 2)] });
  return rows;
}

// ---- checks ---------------------------------------------------------------

function fail(msg) {
  throw new Error(msg);
}

function checkHzwh(rows) {
  const seen = new Map();
  for (const { hz, wh } of rows) for (const c of hz) {
    if (seen.has(c)) fail(`hzwh: ${c} appears twice`);
    seen.set(c, wh);
  }
  if (seen.size !== 22) fail(`hzwh: ${seen.size} characters, expected 22`);
  const expect = { 甲: '木', 乙: '木', 寅: '木', 卯: '木', 丙: '火', 丁: '火', 巳: '火', 午: '火',
    戊: '土', 己: '土', 辰: '土', 戌: '土', 丑: '土', 未: '土', 庚: '金', 辛: '金', 申: '金', 酉: '金',
    壬: '水', 癸: '水', 亥: '水', 子: '水' };
  for (const [c, wh] of Object.entries(expect)) if (seen.get(c) !== wh) fail(`hzwh: ${c} is ${seen.get(c)}, expected ${wh}`);
}

function checkShishen(rows) {
  if (rows.length !== 100) fail(`Shishen: ${rows.length} rows`);
  const map = new Map(rows.map((r) => [r.jiazi, r.ShiShen]));
  if (map.size !== 100) fail('Shishen: duplicate keys');
  // Pairs stated directly from the rules, not from the cycle arithmetic.
  const known = {
    甲甲: '比肩', 甲乙: '劫财', 甲丙: '食神', 甲丁: '伤官', 甲戊: '偏财', 甲己: '正财',
    甲庚: '七杀', 甲辛: '正官', 甲壬: '偏印', 甲癸: '正印',
    乙甲: '劫财', 乙丙: '伤官', 乙丁: '食神', 乙戊: '正财', 乙庚: '正官', 乙辛: '七杀', 乙壬: '正印',
    丙庚: '偏财', 丙辛: '正财', 丙壬: '七杀', 丙癸: '正官', 丙甲: '偏印', 丙乙: '正印', 丙己: '伤官',
    丁壬: '正官', 丁庚: '正财', 丁戊: '伤官', 丁甲: '正印',
    戊甲: '七杀', 戊乙: '正官', 戊丙: '偏印', 戊丁: '正印', 戊壬: '偏财', 戊癸: '正财', 戊庚: '食神',
    己甲: '正官', 己癸: '偏财', 己辛: '食神', 己丙: '正印',
    庚己: '正印', 庚戊: '偏印', 庚丙: '七杀', 庚丁: '正官', 庚甲: '偏财', 庚乙: '正财', 庚癸: '伤官',
    辛丙: '正官', 辛甲: '正财', 辛壬: '伤官', 辛戊: '正印',
    壬戊: '七杀', 壬己: '正官', 壬庚: '偏印', 壬辛: '正印', 壬丙: '偏财', 壬丁: '正财', 壬甲: '食神',
    癸壬: '劫财', 癸戊: '正官', 癸己: '七杀', 癸丙: '正财', 癸庚: '正印', 癸乙: '食神',
  };
  for (const [k, v] of Object.entries(known)) if (map.get(k) !== v) fail(`Shishen: ${k} is ${map.get(k)}, expected ${v}`);
  // Each day stem sees each of the ten gods exactly once.
  for (const me of STEMS) {
    const gods = new Set(STEMS.map((o) => map.get(me + o)));
    if (gods.size !== 10) fail(`Shishen: day stem ${me} does not see ten different gods`);
  }
}

function checkJiazi(rows) {
  if (rows.length !== 60) fail(`jiazi: ${rows.length} rows`);
  const keys = new Set(rows.map((r) => r.jiazi));
  if (keys.size !== 60) fail('jiazi: duplicate pillars');
  // Independent rule for the element of the sound: stem number 甲乙=1 丙丁=2
  // 戊己=3 庚辛=4 壬癸=5, branch number 子丑午未=1 寅卯申酉=2 辰巳戌亥=3;
  // the sum taken mod 5 gives 1 wood, 2 metal, 3 water, 4 fire, 0 earth.
  const branchNo = { 子: 1, 丑: 1, 午: 1, 未: 1, 寅: 2, 卯: 2, 申: 2, 酉: 2, 辰: 3, 巳: 3, 戌: 3, 亥: 3 };
  const byRemainder = ['土', '木', '金', '水', '火'];
  for (const { jiazi, layin } of rows) {
    const [s, b] = [...jiazi];
    const e = byRemainder[(Math.floor(STEMS.indexOf(s) / 2) + 1 + branchNo[b]) % 5];
    if ([...layin].length !== 3) fail(`jiazi: ${jiazi} ${layin} is not three characters`);
    if ([...layin][2] !== e) fail(`jiazi: ${jiazi} ${layin} should be of ${e}`);
  }
  const first = rows[0], last = rows[59];
  if (first.jiazi !== '甲子' || first.layin !== '海中金') fail('jiazi: first row');
  if (last.jiazi !== '癸亥' || last.layin !== '大海水') fail('jiazi: last row');
  if (rows[2].jiazi !== '丙寅' || rows[3].layin !== '炉中火') fail('jiazi: 丙寅 丁卯');
}

function main() {
  const outDir = path.resolve(process.argv[2] || path.join(__dirname, '..', '..', 'Tgcode'));
  const hzwh = buildHzwh();
  const shishen = buildShishen();
  const jiazi = buildJiazi();
  checkHzwh(hzwh);
  checkShishen(shishen);
  checkJiazi(jiazi);
  for (const r of [...hzwh, ...shishen, ...jiazi]) {
    for (const v of Object.values(r)) if (!gbkEncodable(v)) fail(`${v} is not encodable in GBK`);
  }
  const note = 'generated by refdata/tools/jq/facts.js; see refdata/docs/chart-tables.md';
  writeTsv(path.join(outDir, 'hzwh.tsv'), ['hz', 'wh'], hzwh, note);
  writeTsv(path.join(outDir, 'Shishen.tsv'), ['jiazi', 'ShiShen'], shishen, note);
  writeTsv(path.join(outDir, 'jiazi.tsv'), ['jiazi', 'layin'], jiazi, note);
  console.log(`hzwh ${hzwh.length} rows, Shishen ${shishen.length} rows, jiazi ${jiazi.length} rows -> ${outDir}`);
}

if (require.main === module) main();

module.exports = { buildHzwh, buildShishen, buildJiazi, tenGod };
