// Zodiac animal and constellation of a birth date.
#pragma once

#include "app/core/datetime.h"
#include "app/core/gbk.h"

namespace mirevo {

// The constellation text of the reports (Taurus is "金牛座 " with a trailing blank).
Gbk ConstellationOf(DateValue date);
// The calendar window's constellation (Taurus without the blank; differs on 20 April and 23 October).
Gbk CalendarConstellationOf(int year, int month, int day);
// The animal of a lunar year, one character.
Gbk ZodiacAnimalOf(int lunar_year);
// The calendar window's branch-and-animal label of a date (1901–2050) with the
// number of the lunar month that holds it.
Gbk CalendarAnimalLabel(DateValue date, int lunar_month);

}  // namespace mirevo
