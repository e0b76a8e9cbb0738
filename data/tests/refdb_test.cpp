#include "data/core/refdb.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

using testing::TempFolder;
using testing::WriteDatabase;
using testing::WriteFile;

TEST(RefDb, FileNames) {
  EXPECT_STREQ(FileNameOf(RefDb::Dazezed), "Dazezed.dll");
  EXPECT_STREQ(FileNameOf(RefDb::KelFile), "KelFile.dll");
  EXPECT_STREQ(FileNameOf(RefDb::KelBirth), "KelBirth.dll");
  EXPECT_STREQ(FileNameOf(RefDb::Dream), "dream.dll");
  EXPECT_STREQ(FileNameOf(RefDb::Tgcode), "Tgcode.dll");
}

TEST(RefDb, ReadsRowsAsGbkWithTheirCountAndAnyOrder) {
  TempFolder tmp;
  WriteDatabase(tmp / "t.dll",
                "CREATE TABLE t (a INTEGER, b TEXT, c REAL);"
                "INSERT INTO t VALUES (1,'张',1.5),(2,NULL,NULL),(3,'12',2);");
  Connection c(tmp / "t.dll");
  ASSERT_TRUE(c.ok());
  ResultSet r = c.Run(GBK("select a, b, c from t where b = '张' or a > 1 order by a"));
  ASSERT_EQ(r.RowCount(), 3);
  EXPECT_EQ(r.Text(0, "b"), GBK("张"));
  EXPECT_EQ(r.Text(1, 1), Gbk());
  EXPECT_EQ(r.Int(1, 1), 0);
  EXPECT_EQ(r.Int(2, "B"), 12);  // a text read as a number
  EXPECT_DOUBLE_EQ(r.Real(0, "c"), 1.5);
  EXPECT_EQ(r.Text(2, "c").bytes(), "2");
  // Reading past the rows or columns gives empty values, not a crash.
  EXPECT_EQ(r.Text(7, 0), Gbk());
  EXPECT_EQ(r.Int(0, 9), 0);
  EXPECT_EQ(r.Column("nothing"), -1);
}

TEST(RefDb, MissingEmptyAndDamagedFilesAreFailedQueries) {
  TempFolder tmp;
  WriteFile(tmp / "empty.dll", "");
  WriteFile(tmp / "junk.dll", std::string(4096, 'x'));
  for (const char* name : {"missing.dll", "empty.dll", "junk.dll"}) {
    Connection c(tmp / name);
    EXPECT_THROW(c.Run(Gbk::Ascii("select bh from word")), DbError) << name;
  }
  Connection missing(tmp / "missing.dll");
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.open_error().find("missing.dll"), std::string::npos);
}

TEST(RefDb, OpensReadOnlyWithoutLockOrJournal) {
  TempFolder tmp;
  WriteDatabase(tmp / "t.dll", "CREATE TABLE t (a INTEGER); INSERT INTO t VALUES (1);");
  Connection c(tmp / "t.dll");
  EXPECT_THROW(c.Run(Gbk::Ascii("insert into t values (2)")), DbError);
  EXPECT_EQ(c.Run(Gbk::Ascii("select count(*) from t")).Int(0, 0), 1);
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(tmp.path())) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(RefDb, BrokenSqlIsAnError) {
  TempFolder tmp;
  WriteDatabase(tmp / "t.dll", "CREATE TABLE t (a TEXT);");
  Connection c(tmp / "t.dll");
  EXPECT_THROW(c.Run(Gbk::Ascii("select a from t where a = 'it's'")), DbError);
  EXPECT_THROW(c.Run(Gbk::Ascii("")), DbError);
}

TEST(RefDb, InterruptStopsARunningQuery) {
  TempFolder tmp;
  WriteDatabase(tmp / "t.dll", "CREATE TABLE t (a INTEGER);");
  Connection c(tmp / "t.dll");
  std::atomic<bool> failed{false};
  std::thread worker([&] {
    try {
      // A recursive query that runs far longer than the test.
      c.Run(Gbk::Ascii("with recursive n(i) as (select 1 union all select i + 1 from n) select count(*) from n"));
    } catch (const DbError&) {
      failed = true;
    }
  });
  for (int i = 0; i < 200 && !failed; ++i) {
    c.Interrupt();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  worker.join();
  EXPECT_TRUE(failed);
}

TEST(RefDb, QueryObjectsHoldLinesAndClose) {
  TempFolder tmp;
  WriteDatabase(tmp / "t.dll", "CREATE TABLE t (a INTEGER); INSERT INTO t VALUES (1),(2),(3);");
  Connection c(tmp / "t.dll");
  Query q(c);
  q.SetSql(Gbk::Ascii("select a from t where a > 0"));
  q.AddLine(Gbk::Ascii(" and a < 3 "));
  q.AddLine(Gbk::Ascii(" order by a desc"));
  q.Open();
  EXPECT_TRUE(q.IsOpen());
  ASSERT_EQ(q.RowCount(), 2);
  EXPECT_EQ(q.Result().Int(0, 0), 2);
  q.Close();
  EXPECT_EQ(q.RowCount(), 0);
  q.SetSql(Gbk::Ascii("select nothing from t"));
  EXPECT_THROW(q.Open(), DbError);
  EXPECT_FALSE(q.IsOpen());
}

}  // namespace
}  // namespace mirevo
