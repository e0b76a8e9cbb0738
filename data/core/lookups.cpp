#include "data/core/lookups.h"

namespace mirevo {
namespace {

// Each text value enters the SQL quote-doubled, so a quote in a character cannot
// break or change the statement.
Gbk ByColumn(const char* select_and_column, const Gbk& character, const char* tail) {
  return Gbk::Ascii(select_and_column) + SqlQuoted(character) + Gbk::Ascii(tail);
}

int PlanQueryInt(Query& q, const Gbk& sql) {
  q.Close();
  q.SetSql(sql);
  q.Open();
  int value = q.Result().Empty() ? 0 : static_cast<int>(q.Result().Int(0, 0));
  return value;
}

int OneShotStrokes(const Gbk& sql) {
  try {
    ResultSet r = RunOneShot(RefDb::Dazezed, sql);
    return static_cast<int>(r.Int(0, r.Column("bh")));
  } catch (const DbError&) {
    return 0;
  }
}

}  // namespace

int StrokeCount(Query& plan_query, const Gbk& character) {
  int strokes = PlanQueryInt(plan_query, ByColumn("select bh from word where zi = ", character, " limit 1"));
  if (strokes == 0) strokes = PlanQueryInt(plan_query, ByColumn("select bh from word where ft = ", character, " limit 1"));
  plan_query.Close();
  return strokes;
}

int StrokeCount(const Gbk& character) {
  int strokes = OneShotStrokes(ByColumn("select  bh from word where zi = ", character, " limit 1"));
  if (strokes == 0) strokes = OneShotStrokes(ByColumn("select  bh from word where ft = ", character, "  limit 1"));
  return strokes;
}

Gbk CharacterElement(Query& plan_query, const Gbk& character) {
  auto read = [&](const Gbk& sql) {
    plan_query.Close();
    plan_query.SetSql(sql);
    plan_query.Open();
    return plan_query.Result().Text(0, 0);
  };
  Gbk element = read(ByColumn("select wuhang from word where zi = ", character, ""));
  if (element.empty()) element = read(ByColumn("select wuhang from word where ft = ", character, " "));
  plan_query.Close();
  return element;
}

int StrokeComboScore(const Gbk& surname1, const Gbk& surname2, const Gbk& given1, const Gbk& given2) {
  int bh11 = StrokeCount(surname1);
  int bh12 = surname2.empty() ? 0 : StrokeCount(surname2);
  int bh21 = given1.empty() ? 0 : StrokeCount(given1);
  int bh22 = given2.empty() ? 0 : StrokeCount(given2);
  std::string sql = "select  zf from zh where bh11 = " + std::to_string(bh11) + " and bh12 = " + std::to_string(bh12) +
                    " and bh21 = " + std::to_string(bh21) + " and bh22 = " + std::to_string(bh22) + "  limit 1";
  try {
    ResultSet r = RunOneShot(RefDb::Dazezed, Gbk(sql));
    return static_cast<int>(r.Int(0, r.Column("zf")));
  } catch (const DbError&) {
    return 0;
  }
}

}  // namespace mirevo
