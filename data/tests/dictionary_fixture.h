// A small naming database for tests: a few characters with known counts and a
// few stroke combinations.
#pragma once

#include <string>

namespace mirevo::testing {

inline const char* kWordSchema =
    "CREATE TABLE word (id INTEGER, zi TEXT, ft TEXT, bh INTEGER, wuhang TEXT, px INTEGER, nan INTEGER,"
    " nv INTEGER, xb TEXT, Aflag TEXT);"
    "CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER, zf INTEGER, jxjx INTEGER);";

// 张 11 火; 发 stored only under its traditional form 發 12 水 (zi holds 发 with 0
// strokes and no element, so both lookups fall through to ft); 三 3 金; 伟 11 土;
// 國 only as a traditional form of 国.
inline std::string DictionaryFixtureSql() {
  return std::string(kWordSchema) +
         "INSERT INTO word VALUES (1,'张','張',11,'火',10,1,1,'1',NULL);"
         "INSERT INTO word VALUES (2,'发','发',0,'',20,1,0,'男',NULL);"
         "INSERT INTO word VALUES (3,'髮','發',12,'水',30,1,0,'男',NULL);"
         "INSERT INTO word VALUES (4,'三','三',3,'金',40,1,1,'1',NULL);"
         "INSERT INTO word VALUES (5,'伟','偉',11,'土',50,1,0,'男',NULL);"
         "INSERT INTO word VALUES (6,'国','國',11,'木',60,1,0,'男',NULL);"
         "INSERT INTO word VALUES (7,'欧','歐',15,'土',70,0,0,'0','1');"
         "INSERT INTO word VALUES (8,'阳','陽',17,'土',80,1,0,'男',NULL);"
         "INSERT INTO zh VALUES (12,11,0,3,0,77,1);"
         "INSERT INTO zh VALUES (12,11,0,11,3,88,2);"
         "INSERT INTO zh VALUES (22,15,17,11,0,66,3);";
}

}  // namespace mirevo::testing
