#include "chart/core/annotations.h"

#include "app/core/datetime.h"
#include "calendar/core/lunar.h"
#include "chart/core/chart_numbers.h"
#include "chart/core/jie.h"
#include "chart/core/tgcode_text.h"

namespace mirevo {
namespace {

// When no 节 lies within the search, the year column looks 33 days ahead.
constexpr int kNoJieDistance = 33;
constexpr int kRatYear = 1924;  // a 子 year

}  // namespace

Gbk TenGodOf(const Gbk& day_stem, const Gbk& stem) {
  return TgcodeText(Gbk::Ascii("select ShiShen from Shishen where jiazi = ") + SqlQuoted(day_stem + stem) +
                    Gbk::Ascii(" limit 1"));
}

Gbk SoundElementOf(const Gbk& pillar) {
  return TgcodeText(Gbk::Ascii("select layin from jiazi where jiazi = ") + SqlQuoted(pillar) + Gbk::Ascii(" limit 1"));
}

const std::array<Gbk, 12>& HiddenStemTable() {
  static const std::array<Gbk, 12> table = {
      Gbk::FromUtf8("癸"),     Gbk::FromUtf8("癸辛己"), Gbk::FromUtf8("甲丙戊"), Gbk::FromUtf8("乙"),
      Gbk::FromUtf8("乙戊癸"), Gbk::FromUtf8("庚丙戊"), Gbk::FromUtf8("己丁"),   Gbk::FromUtf8("乙己丁"),
      Gbk::FromUtf8("戊庚壬"), Gbk::FromUtf8("辛"),     Gbk::FromUtf8("辛丁戊"), Gbk::FromUtf8("壬甲")};
  return table;
}

std::array<Gbk, 4> HiddenStemColumns(int year, int month, int day, int hour) {
  const DateValue birth = EncodeDate(year, month, day);
  const int ahead = DaysToJie(birth, /*later=*/true).value_or(kNoJieDistance);
  const int lunar_year = GregorianToLunar(birth + ahead).year;
  const long long days_from_jiazi_day = DayNumber(birth) - DayNumber(EncodeDate(1900, 2, 20));
  const auto& table = HiddenStemTable();
  return {table[Mod(lunar_year - kRatYear, 12)], table[Mod(month, 12)], table[Mod(days_from_jiazi_day, 12)],
          table[Mod((hour + 1) / 2, 12)]};
}

}  // namespace mirevo
