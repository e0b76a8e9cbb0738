// The 24 solar terms: a closed formula for their instants (used by the chart) and
// the calendar window's table of term days for 1901–2050.
#pragma once

#include <cstdint>

#include "app/core/datetime.h"
#include "app/core/gbk.h"

namespace mirevo {

// Name of term n (0 = 小寒 … 23 = 冬至), 4 bytes.
const Gbk& SolarTermName(int n);
// Instant of term n (0–23) of a Gregorian year, by the formula.
DateValue SolarTermInstant(int year, int n);
// Name of the term whose instant falls on that calendar day, by the formula; empty otherwise.
Gbk SolarTermOn(DateValue date);
// The same from the calendar table (1901–2050); empty outside those years.
Gbk CalendarSolarTermOn(DateValue date);
// Day of the month of calendar-table term k (1 = 小寒 … 24 = 冬至) in a year of 1901–2050.
int CalendarSolarTermDay(int year, int k);
// The calendar table's byte of a month of 1901–2050: high four bits h put the first
// term on day 15 − h, low four bits l the second on day 15 + l; 0 outside the table.
uint8_t CalendarSolarTermByte(int year, int month);

}  // namespace mirevo
