// Small chart databases for tests, and a data folder of their own per test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/core/gbk.h"
#include "data/core/refdb.h"
#include "tests/support/fixture_db.h"

namespace mirevo::testing {

inline const char* kTgcodeSchema =
    "CREATE TABLE hzwh (hz TEXT, wh TEXT);"
    "CREATE TABLE Shishen (jiazi TEXT, ShiShen TEXT);"
    "CREATE TABLE jiazi (jiazi TEXT, layin TEXT);"
    "CREATE TABLE sjrs (wh TEXT, sj TEXT, sjrs TEXT);"
    "CREATE TABLE qtbj (tg TEXT, dz TEXT, content TEXT);"
    "CREATE TABLE Houtian (wuxing TEXT, bujiu TEXT);"
    "CREATE TABLE JQ (YearA INTEGER, JQ TEXT, SJ TEXT);";

inline const char* kDreamSchema =
    "CREATE TABLE chenggu1 (year TEXT, weight REAL);"
    "CREATE TABLE chenggu2 (month2 TEXT, weight REAL);"
    "CREATE TABLE chenggu3 (day2 TEXT, weight REAL);"
    "CREATE TABLE chenggu4 (time TEXT, weight REAL);"
    "CREATE TABLE chenggu (weight TEXT, content TEXT, content2 TEXT);";

// Each test reads the databases of its own empty folder unless it writes some.
class ChartFolder : public ::testing::Test {
 protected:
  void SetUp() override { SetDataFolder(tmp_.path()); }
  void WriteTgcode(const std::string& rows) { WriteDatabase(tmp_ / "Tgcode.dll", std::string(kTgcodeSchema) + rows); }
  void WriteDream(const std::string& rows) { WriteDatabase(tmp_ / "dream.dll", std::string(kDreamSchema) + rows); }
  TempFolder tmp_;
};

// Reads the databases the build made (build/bin).
class RealData : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDataFolder(BinFolder());
    ASSERT_TRUE(std::filesystem::exists(BinFolder() / "Tgcode.dll")) << "the reference databases are not built";
  }
};

inline Gbk G(const char* utf8) { return Gbk::FromUtf8(utf8); }
inline std::string U(const Gbk& gbk) { return gbk.ToUtf8(); }

}  // namespace mirevo::testing
