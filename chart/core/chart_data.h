// The record of one chart run: the four pillars of a birth moment and everything
// derived from them, filled by ComputeChartData and printed by the chart report.
#pragma once

#include <array>

#include "app/core/gbk.h"
#include "chart/core/chart_numbers.h"

namespace mirevo {

struct ChartData {
  // The Gregorian birth moment the chart was computed for.
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;

  Pillar year_pillar, month_pillar, day_pillar, hour_pillar;
  // Year stem, year branch, month stem, month branch, day stem, day branch, hour
  // stem, hour branch: one character each.
  std::array<Gbk, 8> texts;

  bool male = false;
  Gbk embryo;          // embryo pillar text followed by one blank
  bool backward = false;  // the luck pillars run backward
  int start_age = 0;   // 1–10
  Gbk start_age_text;
  // Hidden stems under the year, month, day and hour pillars, one to three characters.
  std::array<Gbk, 4> hidden_stems;
  Gbk luck_pillars;       // ten pillars separated by three blanks
  Gbk luck_sound_line;    // 纳音：…
  Gbk luck_ten_god_line;  // 十神：…
  Gbk personality;        // the birthday sketch

  // The day stem (日主): the key of every ten-god lookup.
  const Gbk& day_stem() const { return texts[4]; }
};

}  // namespace mirevo
