// Ten gods, sound elements and hidden stems: the annotations printed under and
// beside the pillars.
#pragma once

#include <array>

#include "app/core/gbk.h"

namespace mirevo {

// The ten god (two characters, e.g. 食神) of `stem` seen from the day stem, from
// table Shishen; empty when no row matches or the lookup fails.
Gbk TenGodOf(const Gbk& day_stem, const Gbk& stem);
// The sound element (纳音, e.g. 海中金) of a pillar, from table jiazi; empty when
// no row matches or the lookup fails.
Gbk SoundElementOf(const Gbk& pillar);

// The hidden stems of each branch, index 0 = 子 … 11 = 亥 (counted from 子, not
// the chart numbering); one to three characters, the main stem first.
const std::array<Gbk, 12>& HiddenStemTable();

// The hidden-stem texts under the year, month, day and hour pillars of a
// Gregorian birth date and hour. Each column has its own rule: the year column
// follows the lunar year of the next 节, the month column the calendar month, the
// day and hour columns the branches of their pillars.
std::array<Gbk, 4> HiddenStemColumns(int year, int month, int day, int hour);

}  // namespace mirevo
