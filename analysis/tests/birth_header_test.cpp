#include "analysis/core/birth_header.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

AnalysisRequest Request(const char* year, const char* month, const char* day, int calendar = 0,
                        const char* hour = "子 0", const char* minute = "0") {
  AnalysisRequest r;
  r.surname = GBK("张");
  r.given = GBK("三");
  r.birth.calendar_index = calendar;
  r.birth.year = Gbk::FromUtf8(year);
  r.birth.month = Gbk::FromUtf8(month);
  r.birth.day = Gbk::FromUtf8(day);
  r.birth.hour_item = Gbk::FromUtf8(hour);
  r.birth.minute = Gbk::FromUtf8(minute);
  r.birth.sex = GBK("男");
  return r;
}

const CivilDate k2010{2010, 6, 1};

ReportLines HeaderLines(const AnalysisRequest& r, const CivilDate& today = k2010) {
  HeaderOutcome o = MakeBirthHeader(r, today);
  EXPECT_TRUE(o.header.has_value()) << o.message.ToUtf8();
  return o.header ? o.header->lines : ReportLines{};
}

Gbk Message(const AnalysisRequest& r) {
  HeaderOutcome o = MakeBirthHeader(r, k2010);
  EXPECT_FALSE(o.header.has_value());
  return o.message;
}

TEST(BirthHeader, FiveLines) {
  const ReportLines lines = HeaderLines(Request("1981", "2", "4", 0, "亥 22", "05"));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], GBK("张三,您今年:29岁"));
  EXPECT_EQ(lines[1], GBK("您出生公历: 1981年02月04日22点05分"));
  EXPECT_EQ(lines[2], GBK("农历:庚申(猴年)十二月三十"));
  EXPECT_EQ(lines[3], GBK("生肖:猴"));
  EXPECT_EQ(lines[4], GBK("星座:水瓶座"));
}

TEST(BirthHeader, NamesAndDatePartsAreTrimmed) {
  AnalysisRequest r = Request(" 1981 ", "02 ", " 04", 0, " 子 0 ", "0");
  r.surname = GBK(" 张 ");
  r.given = GBK(" 三");
  const HeaderOutcome o = MakeBirthHeader(r, k2010);
  ASSERT_TRUE(o.header.has_value());
  EXPECT_EQ(o.header->surname, GBK("张"));
  EXPECT_EQ(o.header->given, GBK("三"));
  EXPECT_EQ(o.header->lines[0], GBK("张三,您今年:29岁"));
  EXPECT_EQ(o.header->lines[1], GBK("您出生公历: 1981年02月04日0点0分"));
}

TEST(BirthHeader, TheAgeIsTheDifferenceOfTheYears) {
  EXPECT_EQ(HeaderLines(Request("1980", "12", "31"))[0], GBK("张三,您今年:30岁"));
  EXPECT_EQ(HeaderLines(Request("1980", "1", "1"), CivilDate{2010, 1, 1})[0], GBK("张三,您今年:30岁"));
}

TEST(BirthHeader, ALunarBirthDateIsConvertedFirst) {
  // Lunar 1980, month 12, day 30 is 1981-02-04; the lunar line is the same.
  const HeaderOutcome o = MakeBirthHeader(Request("1980", "12", "30", 1), k2010);
  ASSERT_TRUE(o.header.has_value()) << o.message.ToUtf8();
  EXPECT_EQ(o.header->gregorian, EncodeDate(1981, 2, 4));
  EXPECT_EQ(o.header->lines[0], GBK("张三,您今年:29岁"));
  EXPECT_EQ(o.header->lines[1], GBK("您出生公历: 1981年02月04日0点0分"));
  EXPECT_EQ(o.header->lines[2], GBK("农历:庚申(猴年)十二月三十"));
  // The last lunar day there is: 2099, month 12, day 30 is 2100-02-08.
  EXPECT_EQ(HeaderLines(Request("2099", "12", "30", 1))[1], GBK("您出生公历: 2100年02月08日0点0分"));
}

TEST(BirthHeader, AnimalByTheLunarYearAndReportConstellation) {
  // 1984-02-01 lies before that year's lunar new year.
  EXPECT_EQ(HeaderLines(Request("1984", "2", "1"))[3], GBK("生肖:猪"));
  EXPECT_EQ(HeaderLines(Request("1984", "2", "2"))[3], GBK("生肖:鼠"));
  EXPECT_EQ(HeaderLines(Request("1990", "4", "21"))[4], GBK("星座:金牛座 "));  // the blank stays
  EXPECT_EQ(HeaderLines(Request("1990", "4", "20"))[4], GBK("星座:白羊座"));
}

TEST(BirthHeader, EmptyInputsInTheirOrder) {
  struct Case {
    const char* field;
    const char* message;
  } cases[] = {
      {"surname", "姓不能为空!"}, {"given", "名不能为空!"},       {"year", "请选择出生年!"},
      {"month", "请选择出生月!"}, {"day", "请选择出生日!"},       {"hour", "请选择出生小时!"},
  };
  // Each case empties its field and every field after it: the first message wins.
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    AnalysisRequest r = Request("1980", "1", "1");
    Gbk* fields[] = {&r.surname, &r.given, &r.birth.year, &r.birth.month, &r.birth.day, &r.birth.hour_item};
    for (std::size_t j = i; j < std::size(fields); ++j) *fields[j] = Gbk::Ascii("  ");
    EXPECT_EQ(Message(r), Gbk::FromUtf8(cases[i].message)) << cases[i].field;
  }
}

TEST(BirthHeader, TypedJunkGetsAClearMessage) {
  struct Case {
    AnalysisRequest request;
    const char* part_of_message;
  } cases[] = {
      {Request("1980", "2", "30"), "公历1980-2-30不是有效的日期"},
      {Request("1980", "13", "1"), "不是有效的日期"},
      {Request("abc", "1", "1"), "不是有效的日期"},
      {Request("abc", "1", "1", 1), "农历的出生年、月、日请填数字"},
      {Request("1980", "1", "x", 1), "农历的出生年、月、日请填数字"},
      {Request("1980", "1", "1", 0, "12"), "出生小时"},
      {Request("1980", "1", "1", 0, "子 24"), "出生小时"},
      {Request("1980", "1", "1", 0, "子 0", "ab"), "出生分钟"},
      {Request("1980", "1", "1", 0, "子 0", "60"), "出生分钟"},
      {Request("1980", "1", "1", 0, "子 0", ""), "出生分钟"},
  };
  for (const Case& c : cases) {
    const Gbk m = Message(c.request);
    EXPECT_TRUE(m.Contains(Gbk::FromUtf8(c.part_of_message))) << m.ToUtf8();
  }
}

TEST(BirthHeader, DatesWithoutALunarDateAreRefused) {
  const AnalysisRequest refused[] = {
      Request("1900", "1", "30"),      // before 1900-01-31
      Request("2101", "1", "1"),       // after 2100-12-31
      Request("1900", "1", "1", 1),    // lunar 1900 cannot be converted
      Request("2100", "1", "1", 1),
      Request("1980", "12", "31", 1),  // no day 31
      Request("1980", "0", "1", 1),    // month and day below 1
      Request("1980", "1", "0", 1),
      Request("1980", "-1", "1", 1),
  };
  for (const AnalysisRequest& r : refused) {
    const Gbk m = Message(r);
    EXPECT_FALSE(m.empty()) << r.birth.year.ToUtf8() << "-" << r.birth.month.ToUtf8() << "-" << r.birth.day.ToUtf8();
  }
  EXPECT_TRUE(Message(Request("1900", "1", "30")).Contains(GBK("没有对应的农历日期")));
  EXPECT_TRUE(Message(Request("1900", "1", "1", 1)).Contains(GBK("农历1900-1-1无法换算成公历")));
  EXPECT_EQ(HeaderLines(Request("1900", "1", "31"))[2], GBK("农历:庚子(鼠年)一月初一"));
}

}  // namespace
}  // namespace mirevo
