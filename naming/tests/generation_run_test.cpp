#include "naming/core/generation_run.h"

#include <gtest/gtest.h>

#include "naming/core/candidate_query.h"
#include "naming/core/fetch_order.h"
#include "naming/core/stroke_plans.h"
#include "naming/tests/naming_fixture.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

Gbk G(const char* utf8) { return Gbk::FromUtf8(utf8); }

struct RecordingSink : RunSink {
  void StartRun() override { events.push_back("start"); }
  void ClearHighScores() override { events.push_back("clear"); }
  void QueryStarted(int batch, int batches) override {
    events.push_back("query " + std::to_string(batch) + "/" + std::to_string(batches));
  }
  void Candidate(Gbk name) override {
    names.push_back(name.ToUtf8());
    if (static_cast<int>(names.size()) == stop_at && flag) *flag = false;
  }
  std::vector<std::string> events;
  std::vector<std::string> names;
  int stop_at = -1;
  std::atomic<bool>* flag = nullptr;
};

class GenerationRun : public ::testing::Test {
 protected:
  void Use(const std::string& sql) {
    db_.Use(sql);
    in_.workbench.surname = G("张");
  }
  RunOutcome Run() {
    sink_.flag = &flag_;
    return GenerateNames(*db_.query, in_, flag_, sink_);
  }
  // The rows of the bare query for `entries`, in the order the run fetches them.
  std::vector<std::string> Expected(QueryMode mode, const std::vector<const char*>& entries) {
    std::vector<PlanStrokes> plans;
    for (const char* e : entries) plans.push_back(ParsePlanEntry(G(e), in_.workbench.two_given()));
    ResultSet rows = db_.connection->Run(BuildCandidateQuery(in_.workbench, mode, plans));
    std::vector<std::string> names;
    for (int row : FetchOrder(rows.RowCount(), mode)) names.push_back(rows.Text(row - 1, 0).ToUtf8());
    return names;
  }
  void AllPlans(const std::vector<const char*>& entries) {
    in_.plan = AutomaticPlan();
    in_.plan_entries.clear();
    for (const char* e : entries) in_.plan_entries.push_back(G(e));
  }

  testing::FixtureDatabase db_;
  RunInputs in_;
  std::atomic<bool> flag_{true};
  RecordingSink sink_;
};

using V = std::vector<std::string>;

TEST_F(GenerationRun, SinglePlanHandsOnEveryRowInFetchOrder) {
  Use(testing::BulkDictionarySql(5, 4));  // 20 names
  in_.plan = G(" 11|8-9(90分) ");
  RunOutcome outcome = Run();
  EXPECT_EQ(outcome.end, RunEnd::kFinished) << outcome.error;
  EXPECT_EQ(sink_.events, (V{"start", "clear", "query 1/1"}));
  const V expected = Expected(QueryMode::kSinglePlan, {"11|8-9(90分)"});
  ASSERT_EQ(expected.size(), 20u);
  EXPECT_EQ(sink_.names, expected);
  EXPECT_FALSE(db_.query->IsOpen());
}

TEST_F(GenerationRun, AllPlansRunInBatchesOfEight) {
  Use(testing::BulkDictionarySql(4, 3));
  std::vector<const char*> entries;
  for (int i = 0; i < 10; ++i) entries.push_back(i % 2 ? "11|9-8(85分)" : (i % 3 ? "11|8-8(90分)" : "11|8-9(77分)"));
  AllPlans(entries);
  RunOutcome outcome = Run();
  EXPECT_EQ(outcome.end, RunEnd::kFinished) << outcome.error;
  EXPECT_EQ(sink_.events, (V{"start", "clear", "query 1/2", "query 2/2"}));
  V expected = Expected(QueryMode::kPlanBatch, std::vector<const char*>(entries.begin(), entries.begin() + 8));
  const V second = Expected(QueryMode::kPlanBatch, std::vector<const char*>(entries.begin() + 8, entries.end()));
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(sink_.names, expected);
}

TEST_F(GenerationRun, NoPlansNoQuery) {
  Use(testing::NamingFixtureSql());
  AllPlans({});
  EXPECT_EQ(Run().end, RunEnd::kFinished);
  EXPECT_EQ(sink_.events, (V{"start", "clear"}));
  EXPECT_TRUE(sink_.names.empty());
}

TEST_F(GenerationRun, StopEndsASinglePlanAfterItsGroupOfNine) {
  Use(testing::BulkDictionarySql(30, 30));
  in_.plan = G("11|8-9(90分)");
  sink_.stop_at = 3;
  EXPECT_EQ(Run().end, RunEnd::kStopped);
  const V all = Expected(QueryMode::kSinglePlan, {"11|8-9(90分)"});
  EXPECT_EQ(sink_.names, V(all.begin(), all.begin() + 9));
}

TEST_F(GenerationRun, StopEndsABatchBeforeItsNextGroupAndAddsNoMorePlans) {
  Use(testing::BulkDictionarySql(30, 30));
  AllPlans(std::vector<const char*>(12, "11|8-9(90分)"));
  sink_.stop_at = 12;
  EXPECT_EQ(Run().end, RunEnd::kStopped);
  EXPECT_EQ(sink_.names.size(), 18u);
  EXPECT_EQ(sink_.events, (V{"start", "clear", "query 1/2"}));
  // Stopped before the run: no plan is added, no query runs.
  sink_ = RecordingSink();
  flag_ = false;
  EXPECT_EQ(Run().end, RunEnd::kStopped);
  EXPECT_TRUE(sink_.names.empty());
  EXPECT_EQ(sink_.events, (V{"start", "clear"}));
}

TEST_F(GenerationRun, APlanEntryThatIsNoNumberEndsTheRun) {
  Use(testing::BulkDictionarySql(3, 3));
  in_.plan = G("11|x-9(90分)");
  RunOutcome single = Run();
  EXPECT_EQ(single.end, RunEnd::kFailed);
  EXPECT_NE(single.error.find("x"), std::string::npos) << single.error;
  EXPECT_EQ(sink_.events, V{"start"});  // the high-score list stays

  // In a batch run the names of earlier batches stand.
  sink_ = RecordingSink();
  std::vector<const char*> entries(8, "11|8-9(90分)");
  entries.push_back("11|9-(85分)");
  AllPlans(entries);
  EXPECT_EQ(Run().end, RunEnd::kFailed);
  EXPECT_EQ(sink_.names.size(), 9u);
  EXPECT_FALSE(db_.query->IsOpen());
}

TEST_F(GenerationRun, ADatabaseErrorEndsTheRunWithItsMessage) {
  Use(testing::NamingFixtureSql());
  Connection missing(db_.folder / "nothing" / "Dazezed.dll");
  Query query(missing);
  in_.plan = G("11|8-9(90分)");
  RunOutcome outcome = GenerateNames(query, in_, flag_, sink_);
  EXPECT_EQ(outcome.end, RunEnd::kFailed);
  EXPECT_NE(outcome.error.find("Dazezed.dll"), std::string::npos) << outcome.error;
  EXPECT_TRUE(sink_.names.empty());
}

}  // namespace
}  // namespace mirevo
