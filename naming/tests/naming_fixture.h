// A small naming database for the generation tests: a few surnames and given-name
// characters of known strokes, marks and order weights, and stroke plans for 张
// (11 strokes) and 欧阳 (15, 17).
#pragma once

#include <memory>
#include <string>

#include "data/core/refdb.h"
#include "data/tests/dictionary_fixture.h"
#include "tests/support/fixture_db.h"

namespace mirevo::testing {

// Given-name characters (strokes, element, px, nan, nv, xb):
//   8: 明 木 10 1 1 '1' · 佳 木 20 0 1 '女' · 武 水 30 1 0 '男' · 林 木 40 0 0 '0'
//   9: 亮 火 15 1 0 '男' · 美 水 25 0 1 '女' · 信 金 35 1 1 '1'
//   6: 安 土 5 1 1 '1'
// 张 欧 王 are surnames only (Aflag set); 旧 (8 strokes) is not usable (Aflag set);
// 陽 is stored only as the traditional form of 阳.
inline std::string NamingFixtureSql() {
  std::string sql = std::string("BEGIN;") + kWordSchema +
                    "INSERT INTO word VALUES (1,'明','明',8,'木',10,1,1,'1',NULL);"
                    "INSERT INTO word VALUES (2,'佳','佳',8,'木',20,0,1,'女',NULL);"
                    "INSERT INTO word VALUES (3,'武','武',8,'水',30,1,0,'男',NULL);"
                    "INSERT INTO word VALUES (4,'林','林',8,'木',40,0,0,'0',NULL);"
                    "INSERT INTO word VALUES (5,'亮','亮',9,'火',15,1,0,'男',NULL);"
                    "INSERT INTO word VALUES (6,'美','美',9,'水',25,0,1,'女',NULL);"
                    "INSERT INTO word VALUES (7,'信','信',9,'金',35,1,1,'1',NULL);"
                    "INSERT INTO word VALUES (8,'安','安',6,'土',5,1,1,'1',NULL);"
                    "INSERT INTO word VALUES (9,'旧','舊',8,'木',1,1,1,'1','1');"
                    "INSERT INTO word VALUES (10,'张','張',11,'火',900,1,1,'1','1');"
                    "INSERT INTO word VALUES (11,'欧','歐',15,'土',900,1,1,'1','1');"
                    "INSERT INTO word VALUES (12,'阳','陽',17,'土',900,1,0,'男','1');"
                    "INSERT INTO word VALUES (13,'王','王',4,'土',900,1,1,'1','1');";
  // Plans for 张 with a two-character given name (lx 12, bh11 11). jxjx orders
  // them; the two rows of jxjx 2 come lower score first; bh21 25 is never offered.
  sql +=
      "INSERT INTO zh VALUES (12,11,0,8,9,90,1);"
      "INSERT INTO zh VALUES (12,11,0,9,8,85,2);"
      "INSERT INTO zh VALUES (12,11,0,6,8,80,2);"
      "INSERT INTO zh VALUES (12,11,0,8,6,76,3);"
      "INSERT INTO zh VALUES (12,11,0,25,8,99,0);";
  // 张 with a one-character given name (lx 11).
  sql +=
      "INSERT INTO zh VALUES (11,11,0,8,0,75,1);"
      "INSERT INTO zh VALUES (11,11,0,9,0,100,2);"
      "INSERT INTO zh VALUES (11,11,0,6,0,74,3);";
  // 欧阳 (lx 22 and 21, 15 and 17).
  sql +=
      "INSERT INTO zh VALUES (22,15,17,8,9,91,1);"
      "INSERT INTO zh VALUES (22,15,17,6,9,82,2);"
      "INSERT INTO zh VALUES (22,15,4,8,9,70,1);"
      "INSERT INTO zh VALUES (21,15,17,8,0,90,1);"
      "COMMIT;";
  return sql;
}

// The UTF-8 of code point `cp` (the ideographs from U+4E00 to U+9FA5 are all in GBK).
inline std::string Ideograph(int cp) {
  std::string s;
  s += static_cast<char>(0xE0 | (cp >> 12));
  s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  s += static_cast<char>(0x80 | (cp & 0x3F));
  return s;
}

// n8 usable characters of 8 strokes (from U+4E00) and n9 of 9 (from U+5000), all
// fit for either sex, the surname 张 (11 strokes) and its plan 11|8-9(90分).
inline std::string BulkDictionarySql(int n8, int n9) {
  std::string sql = std::string("BEGIN;") + kWordSchema +
                    "INSERT INTO word VALUES (0,'张','張',11,'火',900,1,1,'1','1');"
                    "INSERT INTO zh VALUES (12,11,0,8,9,90,1);";
  int id = 0;
  auto add = [&](int cp, int strokes) {
    ++id;
    sql += "INSERT INTO word VALUES (" + std::to_string(id) + ",'" + Ideograph(cp) + "','" + Ideograph(cp) + "'," +
           std::to_string(strokes) + ",'木'," + std::to_string(id * 7 % 50) + ",1,1,'1',NULL);";
  };
  for (int i = 0; i < n8; ++i) add(0x4E00 + i, 8);
  for (int i = 0; i < n9; ++i) add(0x5000 + i, 9);
  return sql + "COMMIT;";
}

// A naming database in a temporary folder, with a connection and a query on it.
struct FixtureDatabase {
  void Use(const std::string& sql) {
    query.reset();
    connection.reset();
    WriteDatabase(folder / "Dazezed.dll", sql);
    connection = std::make_unique<Connection>(folder / "Dazezed.dll");
    query = std::make_unique<Query>(*connection);
  }
  TempFolder folder;
  std::unique_ptr<Connection> connection;
  std::unique_ptr<Query> query;
};

}  // namespace mirevo::testing
