// Conversion between Gregorian and Chinese lunar dates for 1900–2100, from a
// built-in table of 201 packed entries (one per lunar year).
#pragma once

#include <cstdint>

#include "app/core/datetime.h"

namespace mirevo {

struct LunarDate {
  int32_t year = 0;
  int32_t month = 0;   // 1–12
  int32_t day = 0;     // 1–30
  uint8_t leap = 0;    // 1: the leap month after the regular month of this number
  bool IsNone() const { return year == 0 && month == 0 && day == 0 && leap == 0; }
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The table entry of a lunar year (1900–2100).
uint16_t LunarYearInfo(int year);
int LunarLeapMonth(int year);                // 0–12
int LunarLeapMonthDays(int year);            // 0, 29 or 30
int LunarMonthDays(int year, int month);     // 29 or 30, the regular month
int LunarYearDays(int year);

// The lunar date of a date value; the all-zero record before 1900-01-31 or after 2100-12-31.
LunarDate GregorianToLunar(DateValue date);
bool IsValidLunarDate(const LunarDate& date);
// The whole day of a lunar date; 0001-01-01 when IsValidLunarDate refuses it.
DateValue LunarToGregorian(const LunarDate& date);

}  // namespace mirevo
