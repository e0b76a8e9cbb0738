// The solar-term moments of table JQ against an independent computation of the
// moments of some years (refdata/tools/jq/reference.tsv).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "app/core/datetime.h"
#include "chart/tests/chart_fixture.h"

namespace mirevo {
namespace {

using Moments = std::map<std::pair<int, std::string>, DateValue>;

Moments ReadReference(const std::filesystem::path& file) {
  Moments m;
  std::ifstream in(file);
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (header) {
      header = false;
      continue;
    }
    std::istringstream fields(line);
    std::string year, name, moment;
    std::getline(fields, year, '\t');
    std::getline(fields, name, '\t');
    std::getline(fields, moment, '\t');
    m[{std::stoi(year), name}] = ParseDateTime(moment).value_or(0);
  }
  return m;
}

class JqTable : public testing::RealData {};

TEST_F(JqTable, EveryReferenceMomentIsMetWithinTwoMinutes) {
  const Moments reference = ReadReference(std::filesystem::path(MIREVO_SOURCE_DIR) / "refdata/tools/jq/reference.tsv");
  ASSERT_GE(reference.size(), 24u * 5) << "the reference holds the terms of several years";
  const ResultSet rows = RunOneShot(RefDb::Tgcode, Gbk::Ascii("select YearA, JQ, SJ from JQ"));
  Moments table;
  for (int i = 0; i < rows.RowCount(); ++i)
    table[{static_cast<int>(rows.Int(i, 0)), rows.Text(i, 1).ToUtf8()}] = ParseDateTime(rows.Text(i, 2).bytes()).value_or(0);
  EXPECT_EQ(table.size(), 201u * 24);

  double worst = 0;
  for (const auto& [key, moment] : reference) {
    ASSERT_NE(moment, 0) << key.first << key.second;
    auto it = table.find(key);
    ASSERT_NE(it, table.end()) << key.first << " " << key.second;
    const double minutes = std::abs(it->second - moment) * 1440;
    worst = std::max(worst, minutes);
    EXPECT_LE(minutes, 2.0) << key.first << " " << key.second << ": " << FormatDateTime(it->second) << " vs "
                            << FormatDateTime(moment);
  }
  std::printf("JQ against the reference: %zu moments, largest difference %.1f s\n", reference.size(), worst * 60);
}

}  // namespace
}  // namespace mirevo
