// Scores the stroke combinations of table zh (Dazezed.dll):
//   mirevo-make-zh WORD.tsv SANCAI.tsv OUT.tsv
//
// For every name form (11, 12, 21, 22), every surname stroke count from 1 up to
// the largest count of the listed surnames and every given-name stroke count from
// 1 to 24, the name's grids are computed by the analysis core and scored; the
// combinations that score at least the floor of their form are written with their
// score zf and their rank jxjx among the plans of the same surname strokes.
// refdata/docs/zh.md describes the scoring. The output is written to a temporary
// file and renamed, so a failed run leaves no half-written table.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/core/five_grids.h"
#include "analysis/core/name_report.h"
#include "analysis/core/numbers.h"
#include "refdata/tools/common_surnames.h"

namespace fs = std::filesystem;
using namespace mirevo;

namespace {

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// ---------------------------------------------------------------------------
// The scoring rules.

constexpr int kMaxGivenStrokes = 24;
// A plan is worth offering when its score reaches the floor of its form. Two-
// character given names have 576 stroke pairs to choose from, and 80 is where the
// analysis starts calling a name good (不错); a one-character given name has only
// 24 stroke counts, so every one that the analysis does not call poor (不太好,
// below 70) is kept.
int FloorOf(int form) { return form % 10 == 2 ? 80 : 70; }
// A position of a plan must offer at least this many usable characters for a
// boy's and for a girl's name before the plan counts as productive.
constexpr int kMinCharacters = 3;

// Elements in the order of the cycle of production: 木 → 火 → 土 → 金 → 水 → 木.
int ElementIndex(int grid_number) {
  const Gbk& e = GridElement(grid_number);
  static const std::array<const Gbk*, 5> cycle = {&GBK("木"), &GBK("火"), &GBK("土"), &GBK("金"), &GBK("水")};
  for (int i = 0; i < 5; ++i)
    if (*cycle[static_cast<std::size_t>(i)] == e) return i;
  throw Failure("no element for " + std::to_string(grid_number));
}

// The outer grid's relation to the person: 外格 producing 人格 is help from
// outside (+2), the same element keeps step (+1); every other relation earns
// nothing. Only a bonus, never a penalty: the relations of the person to heaven
// and earth are priced by the three-talent grade already.
int OuterBonus(const FiveGrids& g) {
  const int outer = ElementIndex(g.outer);
  const int person = ElementIndex(g.person);
  if ((outer + 1) % 5 == person) return 2;
  if (outer == person) return 1;
  return 0;
}

struct Scored {
  int zf = 0;     // the stored score
  int grade = 0;  // three-talent grade, 1 best; 8 when the table has none
  int person_class = 0;
};

Scored Score(const NameStrokes& name, const std::map<Gbk, int>& grades) {
  const FiveGrids g = ComputeFiveGrids(name);
  const auto it = grades.find(MakeTalentConfig(g));
  const int grade = it == grades.end() ? 8 : it->second;
  const double computed = ComputedScore(g, TalentGradePoints(grade));
  // Computed scores are multiples of 0.5; halves round up.
  const int rounded = static_cast<int>(std::floor(computed + 0.5));
  return Scored{std::min(100, rounded + OuterBonus(g)), grade, ClassifyNumber(g.person)};
}

// ---------------------------------------------------------------------------
// The sources.

// One .tsv file: comment lines start with #, the first other line names the columns.
struct Tsv {
  std::vector<std::string> columns;
  std::vector<std::vector<std::optional<std::string>>> rows;

  std::size_t Column(const std::string& name, const fs::path& file) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
      if (columns[i] == name) return i;
    throw Failure(file.string() + ": no column " + name);
  }
};

std::optional<std::string> Field(const std::string& raw, const std::string& where) {
  if (raw == "\\N") return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\') {
      out += raw[i];
      continue;
    }
    if (++i >= raw.size()) throw Failure(where + ": a lone backslash");
    switch (raw[i]) {
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case '\\': out += '\\'; break;
      default: throw Failure(where + ": unknown escape");
    }
  }
  return out;
}

Tsv ReadTsv(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw Failure("cannot read " + file.string());
  Tsv tsv;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> raw;
    std::stringstream s(line);
    for (std::string piece; std::getline(s, piece, '\t');) raw.push_back(piece);
    if (line.back() == '\t') raw.emplace_back();
    const std::string where = file.string() + ":" + std::to_string(number);
    if (tsv.columns.empty()) {
      tsv.columns = raw;
      continue;
    }
    if (raw.size() != tsv.columns.size()) throw Failure(where + ": wrong number of fields");
    std::vector<std::optional<std::string>> row;
    for (const std::string& r : raw) row.push_back(Field(r, where));
    tsv.rows.push_back(std::move(row));
  }
  if (tsv.columns.empty()) throw Failure(file.string() + ": no column line");
  return tsv;
}

int ToInt(const std::optional<std::string>& field) {
  if (!field) return 0;
  const std::optional<int> v = TryParseInt(std::string_view(*field));
  return v.value_or(0);
}

// The sexes' filters of the candidate query, per position of the given name.
enum Filter { kSingleBoy, kSingleGirl, kFirstBoy, kFirstGirl, kSecondBoy, kSecondGirl, kFilterCount };

struct Dictionary {
  // Stroke counts as the program looks them up: the first row whose zi is the
  // character, and when that gives 0 the first row whose ft is.
  std::map<std::string, int> by_zi, by_ft;
  // usable[filter][strokes]: characters fit for generated names (Aflag null).
  std::array<std::array<int, kMaxGivenStrokes + 1>, kFilterCount> usable{};

  int StrokesOf(const std::string& ch) const {
    auto zi = by_zi.find(ch);
    if (zi != by_zi.end() && zi->second != 0) return zi->second;
    auto ft = by_ft.find(ch);
    return ft == by_ft.end() ? 0 : ft->second;
  }
};

Dictionary ReadDictionary(const fs::path& file) {
  const Tsv tsv = ReadTsv(file);
  const std::size_t zi = tsv.Column("zi", file), ft = tsv.Column("ft", file), bh = tsv.Column("bh", file),
                    nan = tsv.Column("nan", file), nv = tsv.Column("nv", file), xb = tsv.Column("xb", file),
                    aflag = tsv.Column("Aflag", file);
  Dictionary d;
  for (const auto& row : tsv.rows) {
    const int strokes = ToInt(row[bh]);
    if (row[zi]) d.by_zi.emplace(*row[zi], strokes);
    if (row[ft]) d.by_ft.emplace(*row[ft], strokes);
    if (row[aflag] || strokes < 1 || strokes > kMaxGivenStrokes) continue;
    const std::string sex = row[xb].value_or("");
    const bool boy = ToInt(row[nan]) == 1, girl = ToInt(row[nv]) == 1;
    const bool both = sex == "1", none = sex == "0";
    const bool boyish = sex == "男" || boy || both, girlish = sex == "女" || girl || both || none;
    auto count = [&](Filter f, bool passes) { d.usable[f][static_cast<std::size_t>(strokes)] += passes ? 1 : 0; };
    count(kSingleBoy, boyish || none);
    count(kSingleGirl, girlish);
    count(kFirstBoy, boyish);
    count(kFirstGirl, girlish);
    count(kSecondBoy, boyish && boy);
    count(kSecondGirl, girlish && girl);
  }
  return d;
}

std::map<Gbk, int> ReadGrades(const fs::path& file) {
  const Tsv tsv = ReadTsv(file);
  const std::size_t title = tsv.Column("title", file), djc = tsv.Column("djc", file);
  std::map<Gbk, int> grades;
  for (const auto& row : tsv.rows)
    if (row[title]) grades[Gbk::FromUtf8(*row[title])] = ToInt(row[djc]);
  return grades;
}

// The largest stroke count among the listed surnames.
int LargestSurname(const Dictionary& d) {
  int largest = 0;
  auto take = [&](const std::string& ch) {
    const int strokes = d.StrokesOf(ch);
    if (strokes == 0) std::cerr << "mirevo-make-zh: warning: surname character " << ch << " is not in the dictionary\n";
    largest = std::max(largest, strokes);
  };
  for (const char* s : refdata::kCommonSurnames) take(s);
  for (const char* s : refdata::kCompoundSurnames) {
    const std::string name = s;
    take(name.substr(0, 3));  // UTF-8: three bytes a character
    take(name.substr(3));
  }
  if (largest == 0) throw Failure("no listed surname is in the dictionary");
  return largest;
}

// ---------------------------------------------------------------------------
// The plans.

struct Plan {
  int g1 = 0, g2 = 0;
  Scored score;
  bool productive = false;
  int names = 0;  // names the plan yields for the sex it serves worse
};

// How many names a plan yields for each sex, and whether each position offers
// enough characters for both.
void WeighAvailability(const Dictionary& d, bool two_given, Plan& p) {
  auto at = [&](Filter f, int strokes) { return d.usable[f][static_cast<std::size_t>(strokes)]; };
  if (!two_given) {
    const int boy = at(kSingleBoy, p.g1), girl = at(kSingleGirl, p.g1);
    p.productive = std::min(boy, girl) >= kMinCharacters;
    p.names = std::min(boy, girl);
    return;
  }
  const int first_boy = at(kFirstBoy, p.g1), first_girl = at(kFirstGirl, p.g1);
  const int second_boy = at(kSecondBoy, p.g2), second_girl = at(kSecondGirl, p.g2);
  p.productive = std::min({first_boy, first_girl, second_boy, second_girl}) >= kMinCharacters;
  p.names = std::min(first_boy * second_boy, first_girl * second_girl);
}

// Best first: productive plans, then the higher score, the better three-talent
// grade, the better class of 人格 (the main fortune), the more names, and the
// smaller strokes so that the order is total.
bool Better(const Plan& a, const Plan& b) {
  return std::make_tuple(!a.productive, -a.score.zf, a.score.grade, a.score.person_class, -a.names, a.g1, a.g2) <
         std::make_tuple(!b.productive, -b.score.zf, b.score.grade, b.score.person_class, -b.names, b.g1, b.g2);
}

void WritePlans(std::ostream& out, const Dictionary& d, const std::map<Gbk, int>& grades, int form, int s1, int s2) {
  const bool two_given = form % 10 == 2;
  std::vector<Plan> plans;
  for (int g1 = 1; g1 <= kMaxGivenStrokes; ++g1) {
    for (int g2 = two_given ? 1 : 0; g2 <= (two_given ? kMaxGivenStrokes : 0); ++g2) {
      Plan p{g1, g2, Score(FormStrokes(form, s1, s2, g1, g2), grades)};
      if (p.score.zf < FloorOf(form)) continue;
      WeighAvailability(d, two_given, p);
      plans.push_back(p);
    }
  }
  std::sort(plans.begin(), plans.end(), Better);
  int rank = 0;
  for (const Plan& p : plans)
    out << form << '\t' << s1 << '\t' << s2 << '\t' << p.g1 << '\t' << p.g2 << '\t' << p.score.zf << '\t' << ++rank
        << '\n';
}

void Run(const fs::path& word, const fs::path& sancai, const fs::path& target) {
  const Dictionary dictionary = ReadDictionary(word);
  const std::map<Gbk, int> grades = ReadGrades(sancai);
  const int largest = LargestSurname(dictionary);

  fs::path temp = target;
  temp += ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw Failure("cannot write " + temp.string());
    out << "# Scored stroke combinations. Made by mirevo-make-zh (refdata/tools/make_zh.cpp)\n"
           "# from the dictionary and the three-talent grades; see refdata/docs/zh.md.\n"
           "lx\tbh11\tbh12\tbh21\tbh22\tzf\tjxjx\n";
    for (int form : {11, 12, 21, 22}) {
      const bool two_surname = form / 10 == 2;
      for (int s1 = 1; s1 <= largest; ++s1)
        for (int s2 = two_surname ? 1 : 0; s2 <= (two_surname ? largest : 0); ++s2)
          WritePlans(out, dictionary, grades, form, s1, s2);
    }
    out.flush();
    if (!out) throw Failure("cannot write " + temp.string());
  }
  fs::rename(temp, target);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: mirevo-make-zh WORD.tsv SANCAI.tsv OUT.tsv\n";
    return 2;
  }
  try {
    Run(argv[1], argv[2], argv[3]);
  } catch (const std::exception& e) {
    std::cerr << "mirevo-make-zh: " << e.what() << "\n";
    std::error_code ec;
    fs::remove(fs::path(argv[3]).concat(".part"), ec);
    return 1;
  }
  return 0;
}
