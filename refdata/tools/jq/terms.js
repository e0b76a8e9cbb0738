// The twenty-four solar terms, in the order they fall within a Gregorian
// year: 小寒 at apparent solar longitude 285 degrees, each next term 15
// degrees further, ending with 冬至 at 270.

'use strict';

const TERM_NAMES = [
  '小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨',
  '立夏', '小满', '芒种', '夏至', '小暑', '大暑', '立秋', '处暑',
  '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至',
];

const termLongitude = (k) => (285 + 15 * k) % 360;

const FIRST_YEAR = 1900;
const LAST_YEAR = 2100;

// A UTC instant 8 days before term k of year y can be expected; the terms are
// 14.7 to 15.7 days apart and drift by about a day over the range, so a
// window of 16 days from here holds the term and no other crossing of the
// same longitude.
function windowStartUtc(y, k) {
  const approxDay = 5.6 + 15.218 * k; // day of year, 0 = 1 January 0h
  return new Date(Date.UTC(y, 0, 1) + (approxDay - 8) * 86400000);
}
const WINDOW_DAYS = 16;

// China standard time (UTC+8) of a UTC instant given in milliseconds since
// 1970, rounded to the nearest second, as 'YYYY-MM-DD HH:MM:SS'.
function formatCst(utcMs) {
  const ms = Math.round((utcMs + 8 * 3600000) / 1000) * 1000;
  return new Date(ms).toISOString().slice(0, 19).replace('T', ' ');
}

// Seconds between two 'YYYY-MM-DD HH:MM:SS' texts of the same zone.
function parseCst(s) {
  const m = /^(\d{4})-(\d\d)-(\d\d) (\d\d):(\d\d):(\d\d)$/.exec(s);
  if (!m) throw new Error(`bad moment ${s}`);
  return Date.UTC(+m[1], +m[2] - 1, +m[3], +m[4], +m[5], +m[6]) / 1000 - 8 * 3600;
}

module.exports = { TERM_NAMES, termLongitude, FIRST_YEAR, LAST_YEAR, windowStartUtc, WINDOW_DAYS, formatCst, parseCst };
