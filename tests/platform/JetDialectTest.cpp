// The Jet dialect on a real database: what each rule of the translation does.
#include <gtest/gtest.h>

#include <string>

#include "platform/ado/ADO.h"
#include "platform/ado/JetDialect.h"
#include "AdoFixture.h"

namespace bindershelf::ado {
namespace {

// The few rules whose text is the point.
TEST(JetDialect, TranslatesTokensNotText) {
  struct TCase {
    const char* jet;
    const char* sqlite;
  } const cases[] = {
      {"select * from fs where id=\"a\"", "select * from fs where id='a' COLLATE JETNOCASE"},
      {"select \"say \"\"hi\"\"\"", "select 'say \"hi\"' COLLATE JETNOCASE"},
      {"select \"it's\"", "select 'it''s' COLLATE JETNOCASE"},
      {"select [Value] from [cats]", "select \"Value\" from \"cats\""},
      {"select \"%\" + t2.cat + \"%\"", "select '%' COLLATE JETNOCASE || t2.cat || '%' COLLATE JETNOCASE"},
      {"select 1 + 2", "select 1 + 2"},
      {"delete * from cats where id=5", "delete from cats where id=5"},
      {"Delete * from fs", "Delete from fs"},
      {"delete cats.* from cats where x=1", "delete from cats where x=1"},
      {"DELETE [cats].* FROM cats", "DELETE FROM cats"},
      {"delete from cats", "delete from cats"},
      {"select * from fs where name=\"a;b\";", "select * from fs where name='a;b' COLLATE JETNOCASE"},
      {"select iif(parid is null,\"\",parid) from fs",
       "select iif(parid is null,'' COLLATE JETNOCASE,parid) from fs"},
  };
  for (const auto& c : cases) EXPECT_EQ(TranslateJet(c.jet), c.sqlite) << c.jet;
}

TEST(JetDialect, RefusesWhatItCannotRead) {
  for (const char* jet : {"select \"open", "select [open", "select 1; drop table fs", "create table t (x text(ab))",
                          "create table t (x text"})
    EXPECT_THROW(TranslateJet(jet), EDatabaseError) << jet;
}

class JetDialectDb : public testing::TAdoTest {};

TEST_F(JetDialectDb, LiteralsCompareWithoutCaseEvenAgainstExpressions) {
  NewCatalog();
  Connection->Execute("insert into fs(ID,[Name],parid,Fileattr) values(\"\\Папка\\a\",\"a\",\"\\Папка\",16)");
  Connection->Execute("insert into fs(ID,[Name],Fileattr) values(\"\\root\",\"root\",16)");
  EXPECT_EQ(Column("select id from fs where iif(parid is null,\"\",parid)=\"\\ПАПКА\""),
            std::vector<std::string>{"\\Папка\\a"});
  EXPECT_EQ(Column("select id from fs where iif(parid is null,\"\",parid)=\"\""), std::vector<std::string>{"\\root"});
  EXPECT_EQ(Scalar("select count(*) from fs where ID=\"\\папка\\A\""), "1");
  EXPECT_EQ(Scalar("select \"Mixed\" + \"Case\""), "MixedCase");
}

TEST_F(JetDialectDb, TextColumnsRefuseMoreCharactersThanTheirWidth) {
  NewCatalog();
  struct TCase {
    const char* what;
    std::string id;
    bool stored;
  } const cases[] = {
      {"255 ASCII characters", std::string(255, 'a'), true},
      {"256 ASCII characters", std::string(256, 'b'), false},
      {"255 Cyrillic letters (510 bytes)", [] { std::string s; for (int i = 0; i < 255; ++i) s += "ж"; return s; }(), true},
      {"256 Cyrillic letters", [] { std::string s; for (int i = 0; i < 256; ++i) s += "ж"; return s; }(), false},
  };
  for (const auto& c : cases) {
    std::string error = ErrorOf("insert into fs(ID,[Name],parid,Fileattr) values(\"" + c.id + "\",\"n\",\"\",16)");
    if (c.stored) {
      EXPECT_EQ(error, "") << c.what;
    } else {
      EXPECT_NE(error.find("too long for the field fs.ID (at most 255 characters)"), std::string::npos)
          << c.what << ": " << error;
      EXPECT_NE(error.find("\"" + c.id.substr(0, 20)), std::string::npos) << c.what << " names the value: " << error;
    }
  }
  EXPECT_EQ(Scalar("select count(*) from fs"), "2");
  // The limit holds for changes too, and for every text column.
  EXPECT_NE(ErrorOf("update fs set [Name]=\"" + std::string(256, 'n') + "\"").find("fs.Name"), std::string::npos);
  EXPECT_NE(ErrorOf("insert into CN(cat) values(\"" + std::string(300, 'c') + "\")").find("CN.cat"),
            std::string::npos);
}

TEST_F(JetDialectDb, DuplicateKeysAreRefusedNamingTableKeyAndValue) {
  NewCatalog();
  Connection->Execute("insert into fs(ID,[Name],parid,Fileattr) values(\"\\Папка\",\"Папка\",\"\",16)");
  Connection->Execute("insert into CN(cat) values(\"Автор\")");
  Connection->Execute("insert into cats(cat,[value],it) values(\"Автор\",\"first\",\"\\Папка\")");
  struct TCase {
    const char* what;
    std::string statement;
    std::string message;
  } const cases[] = {
      {"item ID in other case", "insert into fs(ID,[Name],parid,Fileattr) values(\"\\ПАПКА\",\"x\",\"\",16)",
       "Duplicate value \"\\ПАПКА\" in the key (ID) of table fs"},
      {"category name in other case", "insert into CN(cat) values(\"автор\")",
       "Duplicate value \"автор\" in the key (cat) of table CN"},
      {"second value for a category of an owner",
       "insert into cats(cat,[value],it) values(\"АВТОР\",\"second\",\"\\папка\")",
       "Duplicate value \"АВТОР\", \"\\папка\" in the key (cat, it) of table cats"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.statement), c.message) << c.what;
  EXPECT_EQ(Scalar("select [value] from cats"), "first");
  // A change that makes a key collide is refused too; one that keeps its own key is not.
  Connection->Execute("insert into cats(cat,[value],it) values(\"Год\",\"1999\",\"\\Папка\")");
  EXPECT_EQ(ErrorOf("update cats set cat=\"автор\" where cat=\"Год\""),
            "Duplicate value \"автор\", \"\\Папка\" in the key (cat, it) of table cats");
  EXPECT_EQ(ErrorOf("update cats set cat=\"АВТОР\" where cat=\"Автор\""), "");
  // Keys are never Null.
  EXPECT_NE(ErrorOf("insert into cats(cat,[value]) values(\"x\",\"y\")"), "");
}

TEST_F(JetDialectDb, CountersNumberRowsAndNeverGiveANumberTwice) {
  NewCatalog();
  for (const char* cat : {"a", "b", "c"})
    Connection->Execute(std::string("insert into cats(cat,[value],it) values(\"") + cat + "\",\"v\",\"\\x\")");
  EXPECT_EQ(Column("select id from cats order by id"), (std::vector<std::string>{"1", "2", "3"}));
  Connection->Execute("delete * from cats where id=3");
  Connection->Execute("insert into cats(cat,[value],it) values(\"d\",\"v\",\"\\x\")");
  EXPECT_EQ(Scalar("select id from cats where cat=\"d\""), "4");
  // A number given by hand moves the counter past it.
  Connection->Execute("insert into cats(id,cat,[value],it) values(10,\"e\",\"v\",\"\\x\")");
  Connection->Execute("insert into cats(cat,[value],it) values(\"f\",\"v\",\"\\x\")");
  EXPECT_EQ(Scalar("select id from cats where cat=\"f\""), "11");
  // Each table counts for itself.
  Connection->Execute("insert into fs(ID,[Name],parid,Fileattr) values(\"\\a\",\"a\",\"\",16)");
  EXPECT_EQ(Scalar("select IDC from fs"), "1");
}

TEST_F(JetDialectDb, ColumnTypesKeepTheirJetMeaning) {
  NewCatalog();
  Connection->Execute(
      "insert into fs(ID,[Name],CreationTime,FileAttr,lwFileSize,fnd,DSC) "
      "values(\"\\a\",\"a\",45000,\"32\",-1,-1,\"memo text\")");
  // datetime keeps a whole number as a real number; int turns text digits into a number.
  EXPECT_EQ(Scalar("select typeof(CreationTime) from fs"), "real");
  EXPECT_EQ(Scalar("select typeof(FileAttr) from fs"), "integer");
  EXPECT_EQ(Scalar("select typeof(fnd) from fs"), "integer");
  EXPECT_EQ(Scalar("select typeof(DSC) from fs"), "text");
  EXPECT_EQ(Scalar("select count(*) from fs where DSC=\"MEMO TEXT\""), "1");  // memo compares without case too
}

TEST_F(JetDialectDb, ATableWhoseSetUpFailsIsNotLeftBehind) {
  NewDatabase();
  Connection->Execute("create table jet_counters (unrelated int)");  // in the way of the counter's row
  EXPECT_NE(ErrorOf("create table extra (n counter, k text(5), primary key(k))"), "");
  EXPECT_FALSE(Connection->TableExists("extra"));
  Connection->Execute("drop table jet_counters");
  Connection->Execute("create table extra (n counter, k text(5), primary key(k))");
  EXPECT_TRUE(Connection->TableExists("EXTRA"));
  Connection->Execute("insert into extra(k) values(\"a\")");
  EXPECT_EQ(Scalar("select n from extra"), "1");
}

TEST_F(JetDialectDb, CatalogQueriesUseTheirIndexes) {
  NewCatalog();
  Connection->Execute("insert into fs(ID,[Name],parid,Fileattr) values(\"\\x\\a\",\"a\",\"\\x\",16)");
  struct TCase {
    const char* query;
    const char* index;
  } const cases[] = {
      {"Select * from fs where iif(parid is null,\"\",parid)=\"\\x\"", "fs_parent"},
      {"select * from fs where ID=\"\\x\"", "sqlite_autoindex_fs_1"},
      {"select * from cats where it=\"\\x\"", "cats_owner"},
      {"select * from cats where id=5", nullptr},  // no index on the counter: a scan, as the catalog has it
  };
  for (const auto& c : cases) {
    std::string plan = PlanOf(c.query);
    if (c.index)
      EXPECT_NE(plan.find(std::string("USING INDEX ") + c.index), std::string::npos) << c.query << "\n" << plan;
    else
      EXPECT_NE(plan.find("SCAN"), std::string::npos) << c.query << "\n" << plan;
  }
  // The listing still finds its rows through the index.
  EXPECT_EQ(Column("Select * from fs where iif(parid is null,\"\",parid)=\"\\X\""), std::vector<std::string>{"\\x\\a"});
}

TEST_F(JetDialectDb, LikeWithAFixedBeginningUsesTheIndexAndMeansTheSame) {
  NewCatalog();
  for (const char* id : {"\\Trip", "\\Trip\\beach.jpg", "\\TRIP\\Sea.jpg", "\\Tripx", "\\Tri", "\\Папка\\a",
                         "\\ПАПКА\\b", "\\Trip\xFF", "\\Trip\xFF" "x", "\\Trip\xD0", "\\Tr_p"})
    Connection->Execute(std::string("insert into fs(ID,[Name],parid,Fileattr,lwFileSize) values(\"") + id +
                        "\",\"n\",\"\",16,-5)");
  // like(pattern, text) is the same test without the range, so the two must agree.
  for (const char* pattern : {"\\Trip%", "\\trip\\%", "\\ПАПКА%", "\\Trip\\b_ach%", "\\Trip", "\\%",
                              "\\Tr_p%", "\\Trip\xFF%", "\\Trip\xD0%", "zzz%"}) {
    std::string p = pattern;
    EXPECT_EQ(Column("select id from fs where id like \"" + p + "\" order by id"),
              Column("select id from fs where like(\"" + p + "\", id) order by id"))
        << p;
  }
  EXPECT_EQ(Scalar("select count(*) from fs where id like \"\\trip%\""), "7");
  // Numbers in number columns are matched by their text, never by a range of text.
  EXPECT_EQ(Scalar("select count(*) from fs where FileAttr like \"1%\""), "11");
  EXPECT_EQ(Scalar("select count(*) from fs where lwFileSize like \"-%\""), "11");
  struct TCase {
    const char* query;
    const char* index;
  } const cases[] = {
      {"Select pthor from fs where id Like \"\\Trip\\beach.jpg%\"", "sqlite_autoindex_fs_1"},
      {"select pthor from fs where FileAttr<>16 and id like \"\\Trip%\"", "sqlite_autoindex_fs_1"},
      {"delete cats.* from cats where cats.cat in (select cat from cats where it=\"\\d\") and cats.it like \"\\d_%\"",
       "cats_owner"},
  };
  for (const auto& c : cases) {
    std::string plan = PlanOf(c.query);
    EXPECT_NE(plan.find(std::string("USING INDEX ") + c.index), std::string::npos) << c.query << "\n" << plan;
  }
}

}  // namespace
}  // namespace bindershelf::ado
