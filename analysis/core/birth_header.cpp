#include "analysis/core/birth_header.h"

#include "calendar/core/date_texts.h"
#include "calendar/core/lunar.h"
#include "calendar/core/signs.h"

namespace mirevo {
namespace {

HeaderOutcome Fail(const Gbk& message) { return HeaderOutcome{std::nullopt, message}; }

bool InRange(const std::optional<int>& value, int low, int high) {
  return value && *value >= low && *value <= high;
}

// The Gregorian date of a lunar birth date (always a regular month), or none when
// no such lunar date can be converted. Months and days below 1 are refused too.
std::optional<DateValue> LunarBirthDate(int year, int month, int day) {
  const LunarDate lunar{year, month, day, 0};
  if (month < 1 || day < 1 || !IsValidLunarDate(lunar)) return std::nullopt;
  return LunarToGregorian(lunar);
}

}  // namespace

HeaderOutcome MakeBirthHeader(const AnalysisRequest& request, const CivilDate& today) {
  const BirthMoment& birth = request.birth;
  const Gbk surname = request.surname.Trimmed();
  if (surname.empty()) return Fail(GBK("姓不能为空!"));
  const Gbk given = request.given.Trimmed();
  if (given.empty()) return Fail(GBK("名不能为空!"));
  const Gbk year = birth.year.Trimmed();
  if (year.empty()) return Fail(GBK("请选择出生年!"));
  const Gbk month = birth.month.Trimmed();
  if (month.empty()) return Fail(GBK("请选择出生月!"));
  const Gbk day = birth.day.Trimmed();
  if (day.empty()) return Fail(GBK("请选择出生日!"));
  const Gbk hour_item = birth.hour_item.Trimmed();
  if (hour_item.empty()) return Fail(GBK("请选择出生小时!"));
  // The hour and minute are printed, so typed junk is refused rather than shown.
  const Gbk hour = HourOfItem(hour_item);
  if (!InRange(TryParseInt(hour), 0, 23)) return Fail(GBK("出生小时请选“子 0”到“子 23”中的一项!"));
  if (!InRange(TryParseInt(birth.minute.Trimmed()), 0, 59)) return Fail(GBK("出生分钟请填0到59之间的数!"));

  const Gbk typed = year + Gbk::Ascii("-") + month + Gbk::Ascii("-") + day;
  DateValue date = 0;
  if (birth.calendar_index != 0) {
    const auto y = TryParseInt(year), m = TryParseInt(month), d = TryParseInt(day);
    if (!y || !m || !d) return Fail(GBK("农历的出生年、月、日请填数字!"));
    const std::optional<DateValue> converted = LunarBirthDate(*y, *m, *d);
    if (!converted)
      return Fail(GBK("农历") + typed +
                  GBK("无法换算成公历：农历日期须在1901年到2099年之间，并且是当年确有的日子（不含闰月）。"));
    date = *converted;
  } else {
    const std::optional<DateValue> parsed = ParseShortDate(typed.bytes());
    if (!parsed) return Fail(GBK("公历") + typed + GBK("不是有效的日期!"));
    date = *parsed;
  }

  const LunarDate lunar = GregorianToLunar(date);
  const Gbk gregorian = Gbk(FormatShortDate(date));
  if (lunar.IsNone())
    return Fail(GBK("公历") + gregorian + GBK("没有对应的农历日期（只能换算1900-01-31到2100-12-31之间的日期），无法分析。"));

  // The year of the sixty-year cycle with its animal, 庚申(猴年); the animal is bytes 6–7.
  const Gbk cycle_year = CycleYearText(lunar.year - 1864);
  BirthHeader header;
  header.surname = surname;
  header.given = given;
  header.gregorian = date;
  header.lines = {
      surname + given + GBK(",您今年:") + Gbk::Number(today.year - DecodeDate(date).year) + GBK("岁"),
      GBK("您出生公历: ") + gregorian.Slice(1, 4) + GBK("年") + gregorian.Slice(6, 2) + GBK("月") +
          gregorian.Slice(9, 2) + GBK("日") + hour + GBK("点") + birth.minute + GBK("分"),
      GBK("农历:") + cycle_year + LunarMonthText(lunar.month, lunar.leap != 0) + LunarDayText(lunar.day),
      GBK("生肖:") + cycle_year.Trimmed().Slice(6, 2),
      GBK("星座:") + ConstellationOf(date),
  };
  return HeaderOutcome{std::move(header), Gbk()};
}

}  // namespace mirevo
