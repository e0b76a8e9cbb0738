#include "analysis/core/numbers.h"

#include <array>
#include <string>

#include "analysis/core/analysis_abort.h"
#include "data/core/refdb.h"

namespace mirevo {
namespace {

// Each list begins and ends with a comma, so that ",1," cannot match inside 11.
constexpr std::array<std::string_view, 3> kNumberLists = {
    ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,81,",
    ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,",
    ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,72,74,76,77,78,79,80,",
};

// Points by class 1, 2, 3 (rows) and grid kind in GridKind order 天格 地格 人格 总格
// 外格 (columns). Class 2 is 85 % and class 3 70 % of class 1; every entry is
// exact in binary, so sums of them are exact multiples of 0.5.
constexpr std::array<std::array<double, 5>, 3> kPoints = {{
    {10, 10, 30, 20, 10},
    {8.5, 8.5, 25.5, 17, 8.5},
    {7, 7, 21, 14, 7},
}};

}  // namespace

int ClassifyNumber(int number) {
  const std::string probe = "," + std::to_string(number) + ",";
  for (std::size_t i = 0; i < kNumberLists.size(); ++i)
    if (kNumberLists[i].find(probe) != std::string_view::npos) return static_cast<int>(i) + 1;
  return 0;
}

double NumberPoints(int number, GridKind kind) {
  const int number_class = ClassifyNumber(number);
  if (number_class == 0) return 0;
  return kPoints[static_cast<std::size_t>(number_class - 1)][static_cast<std::size_t>(kind)];
}

Gbk NumberText(int number, NumberColumn column) {
  static constexpr std::array<const char*, 3> kColumns = {"yy", "jx", "as"};
  ResultSet r;
  try {
    r = RunOneShot(RefDb::KelFile, Gbk("Select * from \"81\" where num = " + std::to_string(number)));
  } catch (const DbError&) {
    throw AnalysisAborted();
  }
  if (r.Empty()) return Gbk::Ascii(" ");
  return r.Text(0, kColumns[static_cast<std::size_t>(column)]);
}

}  // namespace mirevo
