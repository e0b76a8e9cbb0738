#include "calendar/core/signs.h"

#include <array>

#include "calendar/core/date_texts.h"

namespace mirevo {
namespace {

// Each constellation by the month in which it begins: 水瓶座 begins in January …
// 摩羯座 in December. Taurus is returned without its report blank here.
const Gbk& ConstellationBeginningIn(int month) {
  static const std::array<Gbk, 12> names = [] {
    static const char* const utf8[12] = {"水瓶座", "双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座",
                                         "狮子座", "处女座", "天秤座", "天蝎座", "射手座", "摩羯座"};
    std::array<Gbk, 12> a;
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = Gbk::FromUtf8(utf8[i]);
    return a;
  }();
  return names[static_cast<std::size_t>(month - 1)];
}

constexpr int kTaurusMonth = 4;

// The first day of the constellation that begins in each month, January first.
// The two variants differ in April (白羊座 to 19 or 20 April) and October (天秤座 to
// 22 or 23 October).
constexpr std::array<int, 12> kReportFirstDay = {20, 19, 21, 21, 21, 22, 23, 23, 23, 23, 22, 22};
constexpr std::array<int, 12> kCalendarFirstDay = {20, 19, 21, 20, 21, 22, 23, 23, 23, 24, 22, 22};

// The month whose constellation holds the day: the one beginning in this month or
// the one beginning in the month before (December before January).
int BeginningMonth(const std::array<int, 12>& first_day, int month, int day) {
  if (day >= first_day[static_cast<std::size_t>(month - 1)]) return month;
  return month == 1 ? 12 : month - 1;
}

int NonNegativeMod(int n, int m) { return ((n % m) + m) % m; }

}  // namespace

Gbk ConstellationOf(DateValue date) {
  const CivilDate c = DecodeDate(date);
  const int begins = BeginningMonth(kReportFirstDay, c.month, c.day);
  // The reports have always printed Taurus with a trailing blank.
  if (begins == kTaurusMonth) return ConstellationBeginningIn(begins) + Gbk::Ascii(" ");
  return ConstellationBeginningIn(begins);
}

Gbk CalendarConstellationOf(int /*year*/, int month, int day) {
  if (month < 1 || month > 12) return Gbk();
  return ConstellationBeginningIn(BeginningMonth(kCalendarFirstDay, month, day));
}

Gbk ZodiacAnimalOf(int lunar_year) {
  // The same animal as bytes 6–7 of CycleYearText(lunar_year − 1864), which is
  // empty before 1864 (and for the year 0 of no lunar date).
  if (lunar_year < 1864) return Gbk();
  return AnimalText((lunar_year - 1864) % 12);
}

Gbk CalendarAnimalLabel(DateValue date, int lunar_month) {
  const CivilDate c = DecodeDate(date);
  int k = NonNegativeMod(c.year - 1972, 12);  // 1972 is a 子鼠 year
  // In January to March a date of the eleventh or twelfth lunar month still
  // belongs to the lunar year that began in the previous Gregorian year.
  if (c.month <= 3 && (lunar_month == 11 || lunar_month == 12)) k = (k + 11) % 12;
  return BranchText(k) + AnimalText(k);
}

}  // namespace mirevo
