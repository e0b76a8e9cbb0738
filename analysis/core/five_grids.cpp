#include "analysis/core/five_grids.h"

#include <array>

#include "analysis/core/analysis_abort.h"
#include "data/core/lookups.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

int Strokes(const Gbk& character) { return character.empty() ? 0 : StrokeCount(character); }

}  // namespace

int FiveGrids::Of(GridKind kind) const {
  switch (kind) {
    case GridKind::kHeaven: return heaven;
    case GridKind::kEarth: return earth;
    case GridKind::kPerson: return person;
    case GridKind::kTotal: return total;
    case GridKind::kOuter: return outer;
  }
  return 0;
}

NameStrokes FormStrokes(int form_code, int s1, int s2, int g1, int g2) {
  NameStrokes n;
  n.two_char_surname = form_code / 10 == 2;
  n.two_char_given = form_code % 10 == 2;
  n.single_pair = form_code == 11;
  n.s1 = s1;
  n.s2 = n.two_char_surname ? s2 : 0;
  n.g1 = g1;
  n.g2 = n.two_char_given ? g2 : 0;
  return n;
}

NameStrokes NameStrokesOf(const Gbk& surname, const Gbk& given) {
  NameStrokes n;
  n.two_char_surname = surname.size() > 2;
  n.two_char_given = given.size() > 2;
  n.single_pair = surname.size() == 2 && given.size() == 2;
  n.s1 = Strokes(surname.Slice(1, 2));
  n.s2 = n.two_char_surname ? Strokes(surname.Slice(3, 2)) : 0;
  n.g1 = Strokes(given.Slice(1, 2));
  n.g2 = n.two_char_given ? Strokes(given.Slice(3, 2)) : 0;
  return n;
}

int ComputeGrid(const NameStrokes& n, GridKind kind) {
  switch (kind) {
    case GridKind::kHeaven: return n.two_char_surname ? n.s1 + n.s2 : n.s1 + 1;
    case GridKind::kPerson: return n.two_char_surname ? n.s2 + n.g1 : n.s1 + n.g1;
    case GridKind::kEarth: return n.two_char_given ? n.g1 + n.g2 : n.g1 + 1;
    case GridKind::kTotal: return n.s1 + n.s2 + n.g1 + n.g2;
    case GridKind::kOuter:
      // Derived from the others, +1 for every shape but one character each.
      if (n.single_pair) return 2;
      return ComputeGrid(n, GridKind::kTotal) - ComputeGrid(n, GridKind::kPerson) + 1;
  }
  return 0;
}

FiveGrids ComputeFiveGrids(const NameStrokes& n) {
  return FiveGrids{ComputeGrid(n, GridKind::kHeaven), ComputeGrid(n, GridKind::kPerson),
                   ComputeGrid(n, GridKind::kEarth), ComputeGrid(n, GridKind::kTotal),
                   ComputeGrid(n, GridKind::kOuter)};
}

int ComputeGrid(const Gbk& surname, const Gbk& given, GridKind kind) {
  return ComputeGrid(NameStrokesOf(surname, given), kind);
}

FiveGrids ComputeFiveGrids(const Gbk& surname, const Gbk& given) {
  return ComputeFiveGrids(NameStrokesOf(surname, given));
}

const Gbk& GridElement(int number) {
  static const std::array<const Gbk*, 10> by_last_digit = {
      &GBK("水"), &GBK("木"), &GBK("木"), &GBK("火"), &GBK("火"),
      &GBK("土"), &GBK("土"), &GBK("金"), &GBK("金"), &GBK("水")};
  int digit = number % 10;
  if (digit < 0) digit = -digit;
  return *by_last_digit[static_cast<std::size_t>(digit)];
}

TalentConfig MakeTalentConfig(int heaven, int person, int earth) {
  return GridElement(heaven) + GridElement(person) + GridElement(earth);
}

double TalentGradePoints(long long grade) {
  static constexpr std::array<double, 7> points = {20, 18, 16, 15, 14, 13, 12};
  if (grade < 1 || grade > 7) return -1;
  return points[static_cast<std::size_t>(grade - 1)];
}

double TalentConfigPoints(const TalentConfig& config) {
  ResultSet r;
  try {
    r = RunOneShot(RefDb::KelFile, Gbk::Ascii("Select djc from sancai where title = ") + SqlQuoted(config) +
                                       Gbk::Ascii(" "));
  } catch (const DbError&) {
    throw AnalysisAborted();
  }
  if (r.Empty()) return -1;
  return TalentGradePoints(r.Int(0, 0));
}

std::optional<TalentReading> TalentConfigReading(const TalentConfig& config) {
  ResultSet r = RunOneShot(RefDb::KelFile, Gbk::Ascii("Select * from sancai2009 where title = ") + SqlQuoted(config) +
                                               Gbk::Ascii(" limit 1"));
  if (r.Empty()) return std::nullopt;
  auto text = [&](const char* column) { return r.Text(0, column).Trimmed(); };
  return TalentReading{text("yy"), text("jcy"), text("jx1"), text("cgy"),
                       text("jx2"), text("rjgx"), text("jx3"), text("xg")};
}

}  // namespace mirevo
