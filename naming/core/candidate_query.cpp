#include "naming/core/candidate_query.h"

#include <string>

namespace mirevo {
namespace {

Gbk A(const char* ascii) { return Gbk::Ascii(ascii); }

// The whole number of `text`; ConversionError when it is none.
int WholeNumber(const Gbk& text) { return ParseInt(text); }

// The subquery of a given-name position: the dictionary's usable characters of
// a stroke count, or the fixed character alone.
struct PositionShape {
  const char* base;   // followed by the filters
  const char* fixed;  // the fixed character's one-row table, after its literal
};

// First given-name character (a) and second (b), single plan and plan batch.
const PositionShape kFirstSingle = {
    "select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ",
    " as zi, 120 as px, 131 as id,nan,nv,wuhang from word where 1 = 1 "};
const PositionShape kFirstBatch = {
    "select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  ",
    " as zi,11 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  "};
const PositionShape kSecondSingle = {
    "select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ",
    " as zi, 119 as px, 111 as id,nan,nv,wuhang from word where 1 = 1 "};
const PositionShape kSecondBatch = {
    "select zi,px + 5001 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  ",
    " as zi,12 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  "};

// The one-row table of a fixed character. Its marks and element come from the
// character's own row when the dictionary has one (simplified form first), else
// from the first row, so that a character the dictionary lacks still yields names.
Gbk FixedCharacterTable(const PositionShape& shape, const Gbk& character) {
  const Gbk literal = SqlQuoted(character);
  return A("select ") + literal + A(shape.fixed) + A("order by case when zi = ") + literal +
         A(" then 0 when ft = ") + literal + A(" then 1 else 2 end limit 1");
}

Gbk StrokeCondition(int strokes) { return Gbk::Ascii(" and bh = " + std::to_string(strokes)); }

// The pieces of the element filter, in the order 金 木 水 火 土.
const Gbk& JoinedPiece(int i) {
  static const Gbk pieces[5] = {Gbk::FromUtf8(" wuhang = '金' or "), Gbk::FromUtf8(" wuhang = '木' or "),
                                Gbk::FromUtf8(" wuhang = '水' or "), Gbk::FromUtf8(" wuhang = '火' or "),
                                Gbk::FromUtf8(" wuhang = '土' ")};
  return pieces[i];
}
const Gbk& SinglePiece(int i) {
  static const Gbk pieces[5] = {Gbk::FromUtf8(" and wuhang = '金' "), Gbk::FromUtf8(" and wuhang = '木' "),
                                Gbk::FromUtf8(" and wuhang = '水' "), Gbk::FromUtf8(" and wuhang = '火' "),
                                Gbk::FromUtf8(" and wuhang = '土' ")};
  return pieces[i];
}

}  // namespace

PlanStrokes ParsePlanEntry(const Gbk& entry, bool two_given) {
  const Gbk r = entry.From(entry.Pos(Gbk::Ascii("|")) + 1).Left(30).Trimmed();
  PlanStrokes plan;
  if (two_given) {
    const std::size_t dash = r.Pos(Gbk::Ascii("-"));
    plan.d = WholeNumber(dash == 0 ? Gbk() : r.Left(dash - 1));
    const Gbk after = dash == 0 ? Gbk() : r.Slice(dash + 1, 2).Trimmed();
    plan.c = WholeNumber(after.Contains(Gbk::Ascii("(")) ? r.Slice(dash + 1, 1) : after);
  } else {
    const std::size_t open = r.Pos(Gbk::Ascii("("));
    plan.d = WholeNumber(open == 0 ? Gbk() : r.Left(open - 1));
  }
  const std::size_t open = r.Pos(Gbk::Ascii("("));
  plan.score = r.Slice(open == 0 ? 1 : open, 16).Trimmed();
  return plan;
}

Gbk ElementFilter(const ElementSet& elements) {
  int n = 0, only = 0;
  for (int i = 0; i < 5; ++i)
    if (elements[i]) ++n, only = i;
  if (n == 1) return SinglePiece(only);
  if (n == 0 || n == 5) return Gbk();
  Gbk joined;
  for (int i = 0; i < 5; ++i)
    if (elements[i]) joined += JoinedPiece(i);
  joined = joined.Trimmed();
  if (joined.EndsWith(Gbk::Ascii("or"))) joined = joined.Left(joined.size() - 2);
  return Gbk::Ascii(" and ( ") + joined + Gbk::Ascii(" ) ");
}

Gbk SexFilter(const WorkbenchInputs& in) {
  // A one-character name, or one whose other character is fixed, may also use
  // characters that carry no sex ('0'); a free pair keeps them for girls only.
  const bool wide = in.single_given || in.fixed_wanted;
  if (in.male)
    return wide ? GBK(" and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ")
                : GBK(" and (xb = '男' or nan = 1 or xb = '1') ");
  return wide ? GBK(" and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ")
              : GBK(" and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ");
}

Gbk SecondCharacterMark(bool male) { return Gbk::Ascii(male ? " and nan = 1 " : " and nv = 1 "); }

PlanSelect BuildPlanSelect(const WorkbenchInputs& in, QueryMode mode, const PlanStrokes& plan) {
  const bool single = mode == QueryMode::kSinglePlan;
  const PositionShape& first = single ? kFirstSingle : kFirstBatch;
  const PositionShape& second = single ? kSecondSingle : kSecondBatch;
  const Gbk filter = ElementFilter(in.elements) + SexFilter(in);

  Gbk a;
  if (in.fixed_wanted && in.fixed_position == FixedPosition::kSecond) {
    a = FixedCharacterTable(first, in.fixed_character);
  } else {
    a = A(first.base) + filter;
    if (plan.d > 0) a += StrokeCondition(plan.d);
  }
  Gbk b;
  if (in.two_given()) {
    if (in.fixed_wanted && in.fixed_position == FixedPosition::kThird)
      b = FixedCharacterTable(second, in.fixed_character);
    else if (plan.c > 0)
      b = A(second.base) + filter + SecondCharacterMark(in.male) + StrokeCondition(plan.c);
  }

  const Gbk name_head = A("select ") + SqlQuoted(in.surname);
  const Gbk score = SqlQuoted(plan.score);
  if (b.empty()) {
    const char* tail = single ? "  as mz,(a.px + a.id) as px,1 as you,a.wuhang as wuhang1 from ("
                              : " as mz,(a.px+ a.id) as px,1 as you,a.wuhang as wuhang1 from (";
    return {name_head + A(" || a.zi || ") + score + A(tail) + a + A(") a "), false};
  }
  const char* you = in.male ? "a.nan + b.nan as you" : "a.nv + b.nv as you";
  Gbk text = name_head + A(" || a.zi || b.zi || ") + score;
  if (single)
    text += A(in.male ? " as mz," : "  as mz,") + A("(a.px + b.px + a.id) as px,") + A(you) +
            A(",a.wuhang as wuhang1,b.wuhang as wuhang2  from (");
  else
    text += A(" as mz,(a.px + b.px) as px,") + A(you) + A(",a.wuhang as wuhang1,b.wuhang as wuhang2 from (");
  return {text + a + A(") a , (") + b + A(") b"), true};
}

Gbk BuildCandidateQuery(const WorkbenchInputs& in, QueryMode mode, const std::vector<PlanStrokes>& plans) {
  Gbk inner;
  bool last_second = false;
  for (const PlanStrokes& plan : plans) {
    PlanSelect select = BuildPlanSelect(in, mode, plan);
    if (!inner.empty()) inner += A("\n union \n");
    inner += select.text;
    last_second = select.second;
    if (mode == QueryMode::kSinglePlan) break;
  }
  return A("select mz from (") + inner + A(last_second ? ") p where you > 0 order by px" : ") p order by px");
}

}  // namespace mirevo
