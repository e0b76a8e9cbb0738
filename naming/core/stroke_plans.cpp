#include "naming/core/stroke_plans.h"

#include <string>

#include "data/core/lookups.h"

namespace mirevo {
namespace {

Gbk Line(const std::string& ascii) { return Gbk::Ascii(ascii); }
std::string N(int value) { return std::to_string(value); }

// One-character given names get 40 plans, two-character ones 20, and a fixed
// character widens either to 80.
int PlanLimit(const PlanQueryTerms& terms) {
  if (terms.f2 > 0 || terms.f3 > 0) return 80;
  return terms.code.given_characters == 1 ? 40 : 20;
}

}  // namespace

const Gbk& AutomaticPlan() { return GBK("电脑全自动"); }

std::vector<Gbk> StrokePlanSql(const PlanQueryTerms& terms) {
  std::vector<Gbk> lines;
  const std::string head = "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and ";
  if (terms.code.surname_characters == 1)
    lines.push_back(Line(head + " lx = " + N(terms.code.value()) + " and bh11 = " + N(terms.s1) + " "));
  else
    lines.push_back(Line(head + "lx = " + N(terms.code.value()) + " and bh11 = " + N(terms.s1) + " and bh12 = " +
                         N(terms.s2) + " "));
  if (terms.f2 > 0) lines.push_back(Line(" and bh21 = " + N(terms.f2) + " "));
  if (terms.f3 > 0) lines.push_back(Line(" and bh22 = " + N(terms.f3) + " "));
  if (terms.minimum) lines.push_back(Line(" and zf >= " + N(*terms.minimum) + " "));
  lines.push_back(Line(" order by jxjx asc,zf asc"));
  lines.push_back(Line(" limit " + N(PlanLimit(terms))));
  return lines;
}

Gbk PlanEntryText(NameFormCode code, int s1, int s2, const Gbk& bh21, const Gbk& bh22, const Gbk& zf) {
  Gbk entry = Gbk::Number(s1);
  if (code.surname_characters == 2) entry += Gbk::Ascii("-") + Gbk::Number(s2);
  entry += Gbk::Ascii("|") + bh21.Trimmed();
  if (code.given_characters == 2) entry += Gbk::Ascii("-") + bh22.Trimmed();
  return entry + Gbk::Ascii("(") + zf.Trimmed() + GBK("分)");
}

StrokePlans BuildStrokePlans(Query& plan_query, const WorkbenchInputs& in) {
  PlanQueryTerms terms;
  if (in.fixed_wanted && !in.fixed_character.empty()) {
    int strokes = StrokeCount(plan_query, in.fixed_character);
    (in.fixed_position == FixedPosition::kSecond ? terms.f2 : terms.f3) = strokes;
  }
  terms.code = NameFormOf(in.surname, in.single_given);
  if (terms.code.surname_characters == 1) {
    terms.s1 = StrokeCount(plan_query, in.surname);
  } else {
    terms.s1 = StrokeCount(plan_query, in.surname.Slice(1, 2));
    terms.s2 = StrokeCount(plan_query, in.surname.Slice(3, 2));
  }
  if (in.minimum_wanted && !in.minimum_score.empty()) terms.minimum = ParseInt(in.minimum_score);

  plan_query.Close();
  plan_query.ClearSql();
  for (const Gbk& line : StrokePlanSql(terms)) plan_query.AddLine(line);
  plan_query.Open();

  StrokePlans plans{terms.code, {AutomaticPlan()}};
  const ResultSet& rows = plan_query.Result();
  plans.entries.reserve(static_cast<std::size_t>(rows.RowCount()) + 1);
  for (int r = 0; r < rows.RowCount(); ++r)
    plans.entries.push_back(PlanEntryText(terms.code, terms.s1, terms.s2, rows.Text(r, "bh21"), rows.Text(r, "bh22"),
                                          rows.Text(r, "zf")));
  plan_query.Close();
  return plans;
}

}  // namespace mirevo
