// Small reference databases for the analysis tests, made with the real schemas.
//
// Dictionary: 李 7, 家 10, 乐 5 (the worked example 李家乐: 天格 8, 人格 17, 地格 15,
// 总格 22, 外格 6, 金金土), 王 4, 明 8, 欧 15 and 阳 17 (both found by their
// traditional forms too), 司 5, 马 10. Table zh stores 77 for 王明 (4, 0, 8, 0).
// Texts: sancai grades 金金土 3, 火土金 1, 水火金 7; a sancai2009 reading of 金金土
// with blanks around each text; table 81 rows for 6, 8, 15, 17 and 22 (not 9).
// Each database is written in one transaction, so that a fixture costs one sync.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/fixture_db.h"

namespace mirevo::testing {

inline std::string SchemaOf(const std::string& folder) {
  std::ifstream in(std::string(MIREVO_SOURCE_DIR) + "/refdata/" + folder + "/schema.sql");
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::string AnalysisDictionarySql() {
  return "BEGIN;" + SchemaOf("Dazezed") +
         "INSERT INTO word VALUES (1,'李','李',7,'木',1,1,1,'1',NULL);"
         "INSERT INTO word VALUES (2,'家','家',10,'木',2,1,1,'1',NULL);"
         "INSERT INTO word VALUES (3,'乐','樂',5,'火',3,1,1,'1',NULL);"
         "INSERT INTO word VALUES (4,'王','王',4,'土',4,1,1,'1',NULL);"
         "INSERT INTO word VALUES (5,'明','明',8,'水',5,1,1,'1',NULL);"
         "INSERT INTO word VALUES (6,'欧','歐',15,'土',6,0,0,'0','1');"
         "INSERT INTO word VALUES (7,'阳','陽',17,'土',7,1,0,'男',NULL);"
         "INSERT INTO word VALUES (8,'司','司',5,'金',8,0,0,'0','1');"
         "INSERT INTO word VALUES (9,'马','馬',10,'水',9,1,0,'男',NULL);"
         "INSERT INTO zh VALUES (11,4,0,8,0,77,1);"
         "COMMIT;";
}

// The numbers' texts are short markers; the hint of 8 ends in a blank, which the
// report keeps.
inline std::string AnalysisTextsSql() {
  std::string sql = "BEGIN;" + SchemaOf("KelFile") +
                    "INSERT INTO sancai VALUES ('金金土',3);"
                    "INSERT INTO sancai VALUES ('火土金',1);"
                    "INSERT INTO sancai VALUES ('水火金',7);"
                    "INSERT INTO sancai2009 VALUES ('金金土','  总论 ',' 基础 ','（吉） ',' 成功','（中吉）',"
                    "'人际 ',' （吉）','  性格  ');";
  for (int n : {6, 8, 15, 17, 22}) {
    const std::string s = std::to_string(n);
    sql += "INSERT INTO \"81\" VALUES (" + s + ",'数" + s + "','（吉" + s + "）','暗示" + s + (n == 8 ? " " : "") +
           "','长文" + s + "');";
  }
  return sql + "COMMIT;";
}

// Writes both databases into `folder`.
inline void WriteAnalysisDatabases(const std::filesystem::path& folder) {
  WriteDatabase(folder / "Dazezed.dll", AnalysisDictionarySql());
  WriteDatabase(folder / "KelFile.dll", AnalysisTextsSql());
}

}  // namespace mirevo::testing
