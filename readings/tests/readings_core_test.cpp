#include <gtest/gtest.h>

#include "data/core/refdb.h"
#include "data/tests/dictionary_fixture.h"
#include "readings/core/element_lookup.h"
#include "readings/core/note.h"
#include "tests/support/fixture_db.h"

namespace mirevo {
namespace {

Gbk G(const char* utf8) { return Gbk::FromUtf8(utf8); }

TEST(ElementLookup, FiveTwoBytePiecesInInputOrder) {
  std::vector<Gbk> asked;
  auto lookup = [&](const Gbk& piece) {
    asked.push_back(piece);
    return piece == G("张") ? G("火") : piece == G("三") ? G("金") : Gbk();
  };
  EXPECT_EQ(*ElementLookupResult(G("张"), lookup), G("火"));
  EXPECT_EQ(asked, (std::vector<Gbk>{G("张")}));  // the empty pieces ask nothing

  asked.clear();
  EXPECT_EQ(*ElementLookupResult(G(" 三张龍三张三 "), lookup), G("金火金火"));  // a sixth character is not read
  EXPECT_EQ(asked.size(), 5u);
  EXPECT_EQ(asked[2], G("龍"));

  // A single-byte character shifts the pieces: a+first byte of 张, then its second byte.
  asked.clear();
  EXPECT_EQ(*ElementLookupResult(G("a张"), lookup), Gbk());
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].bytes(), "a" + G("张").bytes().substr(0, 1));
  EXPECT_EQ(asked[1].bytes(), G("张").bytes().substr(1, 1));

  EXPECT_FALSE(ElementLookupResult(G("   "), lookup).has_value());
  EXPECT_FALSE(ElementLookupResult(Gbk(), lookup).has_value());
}

TEST(ElementLookup, OnTheDictionary) {
  testing::TempFolder tmp;
  testing::WriteDatabase(tmp / "Dazezed.dll", testing::DictionaryFixtureSql());
  Connection connection(tmp / "Dazezed.dll");
  Query query(connection);
  EXPECT_EQ(*ElementLookupResult(G("张三伟国發"), query), G("火金土木水"));
  EXPECT_EQ(*ElementLookupResult(G("a张'"), query), Gbk());  // half characters and a quote find nothing

  Connection missing(tmp / "none.dll");
  Query broken(missing);
  EXPECT_THROW(ElementLookupResult(G("张"), broken), DbError);
}

class Notes : public ::testing::Test {
 protected:
  void SetUp() override { SetDataFolder(tmp_.path()); }
  testing::TempFolder tmp_;
};

TEST_F(Notes, TitleAndTextAreTrimmed) {
  testing::WriteDatabase(tmp_ / "KelBirth.dll",
                         "CREATE TABLE Noter (Cid TEXT, Tite TEXT, content TEXT);"
                         "INSERT INTO Noter VALUES ('XM016','  使用说明 ', char(10) || '  第一段' || char(10) || '第二段  ' || char(13) || char(10));"
                         "INSERT INTO Noter VALUES ('X''1','引号','有');");
  const Note note = NoteOf(Gbk::Ascii("XM016"));
  EXPECT_EQ(note.title, G("使用说明"));
  EXPECT_EQ(note.content, G("第一段\n第二段"));
  const Note none = NoteOf(Gbk::Ascii("XM099"));
  EXPECT_EQ(none.title, G("算命"));
  EXPECT_EQ(none.content, Gbk());
  EXPECT_EQ(NoteOf(Gbk::Ascii("X'1")).title, G("引号"));  // the key's quote is doubled
}

TEST_F(Notes, NotesThatCannotBeReadAreAnError) {
  EXPECT_THROW(NoteOf(Gbk::Ascii("XM016")), DbError);
  testing::WriteDatabase(tmp_ / "KelBirth.dll", "CREATE TABLE other (x TEXT);");
  EXPECT_THROW(NoteOf(Gbk::Ascii("XM016")), DbError);
}

}  // namespace
}  // namespace mirevo
