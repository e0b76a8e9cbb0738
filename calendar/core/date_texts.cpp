#include "calendar/core/date_texts.h"

#include <vector>

namespace mirevo {
namespace {

// The characters of a GBK text of double-byte characters, one entry each.
std::vector<Gbk> Characters(const Gbk& text) {
  std::vector<Gbk> list;
  for (std::size_t pos = 1; pos + 1 <= text.size(); pos += 2) list.push_back(text.Slice(pos, 2));
  return list;
}

const Gbk& Entry(const std::vector<Gbk>& list, int index) {
  static const Gbk none;
  if (index < 0 || index >= static_cast<int>(list.size())) return none;
  return list[static_cast<std::size_t>(index)];
}

}  // namespace

const Gbk& StemText(int index) {
  static const std::vector<Gbk> stems = Characters(GBK("甲乙丙丁戊己庚辛壬癸"));
  return Entry(stems, index);
}

const Gbk& BranchText(int index) {
  static const std::vector<Gbk> branches = Characters(GBK("子丑寅卯辰巳午未申酉戌亥"));
  return Entry(branches, index);
}

const Gbk& AnimalText(int index) {
  static const std::vector<Gbk> animals = Characters(GBK("鼠牛虎兔龙蛇马羊猴鸡狗猪"));
  return Entry(animals, index);
}

const Gbk& NumeralText(int value) {
  static const std::vector<Gbk> numerals = Characters(GBK("一二三四五六七八九十"));
  return Entry(numerals, value - 1);
}

Gbk CycleYearText(int n) {
  // A year before 1864 (or no lunar year at all) has no place in the cycle here.
  if (n < 0) return Gbk();
  return StemText(n % 10) + BranchText(n % 12) + Gbk::Ascii("(") + AnimalText(n % 12) + GBK("年") + Gbk::Ascii(")");
}

Gbk LunarMonthText(int month, bool leap) {
  Gbk text;
  if (month >= 1 && month <= 10) text = NumeralText(month);
  if (month == 11 || month == 12) text = NumeralText(10) + NumeralText(month - 10);
  if (leap) text = GBK("闰") + text;
  return text + GBK("月");
}

Gbk LunarDayText(int day) {
  if (day >= 1 && day <= 10) return GBK("初") + NumeralText(day);
  if (day >= 11 && day <= 19) return NumeralText(10) + NumeralText(day - 10);
  if (day == 20) return NumeralText(2) + NumeralText(10);
  if (day >= 21 && day <= 29) return GBK("廿") + NumeralText(day - 20);
  if (day == 30) return NumeralText(3) + NumeralText(10);
  return Gbk();
}

}  // namespace mirevo
