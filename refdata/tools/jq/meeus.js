#!/usr/bin/env node
// Second, independent computation of the solar-term moments, used to check
// JQ.tsv.  It shares no astronomy code with jq.js:
//
//  - Earth's heliocentric longitude, latitude and distance from the VSOP87D
//    series (ecliptic and equinox of date), summed here; only the numeric
//    series are taken from the astronomia package's data file;
//  - the Sun = Earth + 180 deg, reduced to the FK5 frame (-0.09033");
//  - nutation in longitude from the IAU 1980 series (its 31 largest terms,
//    Meeus, Astronomical Algorithms, ch. 22);
//  - aberration -20.4898" / R (Meeus ch. 25);
//  - the moment solved in TT by iteration, then UT = TT - Delta T with the
//    Espenak-Meeus polynomials (NASA eclipse pages, 2006), coded here.
//
//   node meeus.js [OUT.tsv]    writes the years of reference.tsv
//                              (defaults to ./reference.tsv)

'use strict';

const path = require('path');
const VSOP_EARTH = require('astronomia/data/vsop87Dearth').default;
const { TERM_NAMES, termLongitude, formatCst } = require('./terms');
const { writeTsv } = require('./tsv');

const DEG = Math.PI / 180;
const ARCSEC = DEG / 3600;
const J2000 = 2451545.0;
const JD_UNIX_EPOCH = 2440587.5;

// Sum of a VSOP87 coordinate: sum over n of tau^n * sum A cos(B + C tau).
function vsopSum(series, tau) {
  let total = 0;
  let power = 1;
  for (let n = 0; series[n] !== undefined; n++) {
    let s = 0;
    for (const [a, b, c] of series[n]) s += a * Math.cos(b + c * tau);
    total += s * power;
    power *= tau;
  }
  return total;
}

// IAU 1980 nutation in longitude: multipliers of D, M, M', F, Omega and the
// coefficient in 0.0001" (constant, per Julian century).
const NUTATION_TERMS = [
  [0, 0, 0, 0, 1, -171996, -174.2],
  [-2, 0, 0, 2, 2, -13187, -1.6],
  [0, 0, 0, 2, 2, -2274, -0.2],
  [0, 0, 0, 0, 2, 2062, 0.2],
  [0, 1, 0, 0, 0, 1426, -3.4],
  [0, 0, 1, 0, 0, 712, 0.1],
  [-2, 1, 0, 2, 2, -517, 1.2],
  [0, 0, 0, 2, 1, -386, -0.4],
  [0, 0, 1, 2, 2, -301, 0],
  [-2, -1, 0, 2, 2, 217, -0.5],
  [-2, 0, 1, 0, 0, -158, 0],
  [-2, 0, 0, 2, 1, 129, 0.1],
  [0, 0, -1, 2, 2, 123, 0],
  [2, 0, 0, 0, 0, 63, 0],
  [0, 0, 1, 0, 1, 63, 0.1],
  [2, 0, -1, 2, 2, -59, 0],
  [0, 0, -1, 0, 1, -58, -0.1],
  [0, 0, 1, 2, 1, -51, 0],
  [-2, 0, 2, 0, 0, 48, 0],
  [0, 0, -2, 2, 1, 46, 0],
  [2, 0, 0, 2, 2, -38, 0],
  [0, 0, 2, 2, 2, -31, 0],
  [0, 0, 2, 0, 0, 29, 0],
  [-2, 0, 1, 2, 2, 29, 0],
  [0, 0, 0, 2, 0, 26, 0],
  [-2, 0, 0, 2, 0, -22, 0],
  [0, 0, -1, 2, 1, 21, 0],
  [0, 2, 0, 0, 0, 17, -0.1],
  [2, 0, -1, 0, 1, 16, 0],
  [-2, 2, 0, 2, 2, -16, 0.1],
  [0, 1, 0, 0, 1, -15, 0],
];

// Nutation in longitude, radians, T in Julian centuries of TT from J2000.
function nutationLongitude(T) {
  const poly = (a, b, c, d) => (a + T * (b + T * (c + T * d))) * DEG;
  const D = poly(297.85036, 445267.111480, -0.0019142, 1 / 189474);
  const M = poly(357.52772, 35999.050340, -0.0001603, -1 / 300000);
  const Mp = poly(134.96298, 477198.867398, 0.0086972, 1 / 56250);
  const F = poly(93.27191, 483202.017538, -0.0036825, 1 / 327270);
  const Om = poly(125.04452, -1934.136261, 0.0020708, 1 / 450000);
  let dpsi = 0;
  for (const [d, m, mp, f, om, s0, s1] of NUTATION_TERMS) {
    dpsi += (s0 + s1 * T) * Math.sin(d * D + m * M + mp * Mp + f * F + om * Om);
  }
  return dpsi * 1e-4 * ARCSEC;
}

// Apparent geocentric ecliptic longitude of the Sun, degrees in [0, 360),
// at Julian ephemeris day jde (TT).
function apparentSunLongitude(jde) {
  const tau = (jde - J2000) / 365250;
  const T = tau * 10;
  const L = vsopSum(VSOP_EARTH.L, tau);
  const R = vsopSum(VSOP_EARTH.R, tau);
  let lon = L + Math.PI;
  lon += -0.09033 * ARCSEC; // VSOP87 dynamical frame to FK5
  lon += nutationLongitude(T);
  lon += (-20.4898 * ARCSEC) / R; // annual aberration
  const d = (lon / DEG) % 360;
  return d < 0 ? d + 360 : d;
}

// Delta T = TT - UT in seconds (Espenak and Meeus), y a decimal year.
function deltaT(y) {
  const p = (u, ...c) => c.reduceRight((acc, k) => acc * u + k, 0);
  if (y < 1860) throw new Error(`Delta T not provided for ${y}`);
  if (y < 1900) return p(y - 1860, 7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1 / 233174);
  if (y < 1920) return p(y - 1900, -2.79, 1.494119, -0.0598939, 0.0061966, -0.000197);
  if (y < 1941) return p(y - 1920, 21.20, 0.84493, -0.076100, 0.0020936);
  if (y < 1961) return p(y - 1950, 29.07, 0.407, -1 / 233, 1 / 2547);
  if (y < 1986) return p(y - 1975, 45.45, 1.067, -1 / 260, -1 / 718);
  if (y < 2005) return p(y - 2000, 63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599);
  if (y < 2050) return p(y - 2000, 62.92, 0.32217, 0.005589);
  if (y < 2150) {
    const u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
  }
  throw new Error(`Delta T not provided for ${y}`);
}

// Decimal year of a Julian day, as the Delta T polynomials expect it.
const decimalYear = (jd) => 2000 + (jd - J2000) / 365.2425;

// Moment (UT, ms since 1970) when the apparent longitude reaches lonDeg,
// starting the iteration at jdGuess (any day within a few days of it).
function solveTerm(lonDeg, jdGuess) {
  let jde = jdGuess;
  for (let i = 0; i < 50; i++) {
    let diff = lonDeg - apparentSunLongitude(jde);
    diff -= 360 * Math.round(diff / 360);
    // The Sun moves 0.953 to 1.020 deg a day; the mean rate is enough for
    // the iteration to converge.
    jde += diff * (365.2422 / 360);
    if (Math.abs(diff) < 1e-9) {
      const jdUt = jde - deltaT(decimalYear(jde)) / 86400;
      return (jdUt - JD_UNIX_EPOCH) * 86400000;
    }
  }
  throw new Error(`no convergence at ${lonDeg} deg near JD ${jdGuess}`);
}

function termMomentUtcMs(y, k) {
  const jdJan1 = Date.UTC(y, 0, 1) / 86400000 + JD_UNIX_EPOCH;
  return solveTerm(termLongitude(k), jdJan1 + 5.6 + 15.218 * k);
}

const REFERENCE_YEARS = [1900, 1950, 1984, 2000, 2024, 2050, 2100];

function main() {
  const out = path.resolve(process.argv[2] || path.join(__dirname, 'reference.tsv'));
  const rows = [];
  for (const y of REFERENCE_YEARS) {
    for (let k = 0; k < 24; k++) rows.push({ YearA: y, JQ: TERM_NAMES[k], SJ: formatCst(termMomentUtcMs(y, k)) });
  }
  writeTsv(out, ['YearA', 'JQ', 'SJ'], rows,
    'solar terms by the independent method of refdata/tools/jq/meeus.js (VSOP87D, IAU 1980 nutation, Espenak-Meeus Delta T); China standard time');
  console.log(`reference ${rows.length} rows -> ${out}`);
}

if (require.main === module) main();

module.exports = { apparentSunLongitude, nutationLongitude, deltaT, termMomentUtcMs, REFERENCE_YEARS };
