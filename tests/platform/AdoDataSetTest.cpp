// Datasets: streaming rows, fields by name and type, and writing rows back.
#include <gtest/gtest.h>

#include <string>

#include "platform/ado/ADO.h"
#include "AdoFixture.h"

namespace bindershelf::ado {
namespace {

class AdoDataSet : public testing::TAdoTest {
 protected:
  void SetUp() override {
    NewCatalog();
    Connection->Execute(
        "insert into fs(ID,[Name],PTHor,parid,CreationTime,FileAttr,lwFileSize,upFileSize,DSC,fnd) "
        "values(\"\\a\",\"a\",\"\",\"\",45000.5,32,-5,1,\"long text\",-1)");
    Connection->Execute("insert into fs(ID,[Name],parid,FileAttr) values(\"\\b\",\"b\",\"\",16)");
    Connection->Execute("insert into fs(ID,[Name],parid,FileAttr) values(\"\\c\",\"c\",\"\",16)");
  }
  std::unique_ptr<TADODataSet> Query(const std::string& jet) {
    auto d = std::make_unique<TADODataSet>();
    d->Connection = Connection.get();
    d->CommandText = jet;
    d->Open();
    return d;
  }
};

TEST_F(AdoDataSet, StreamsRowsToTheEnd) {
  auto d = Query("select id from fs order by id");
  std::vector<std::string> seen;
  for (; !d->Eof(); d->Next()) seen.push_back(d->FieldByName("ID").AsString());
  EXPECT_EQ(seen, (std::vector<std::string>{"\\a", "\\b", "\\c"}));
  d->Next();  // past the end stays at the end
  EXPECT_TRUE(d->Eof());
  EXPECT_FALSE(d->IsEmpty());
  auto none = Query("select * from fs where id=\"\\none\"");
  EXPECT_TRUE(none->Eof());
  EXPECT_TRUE(none->IsEmpty());
}

TEST_F(AdoDataSet, ReadsRowsOnlyAsItMoves) {
  auto d = Query("select id from fs");  // table order: \a, \b, \c
  ASSERT_EQ(d->Fields(0).AsString(), "\\a");
  Connection->Execute("delete * from fs where id=\"\\c\"");  // not read yet, so not seen
  d->Next();
  EXPECT_EQ(d->Fields(0).AsString(), "\\b");
  d->Next();
  EXPECT_TRUE(d->Eof());
}

TEST_F(AdoDataSet, FindsFieldsByNameWithoutCaseAndTellsNullApart) {
  auto d = Query("Select * from fs where iif(parid is null,\"\",parid)=\"\" and id=\"\\a\"");
  EXPECT_EQ(d->FieldByName("upFilesize").AsInteger(), 1);
  EXPECT_EQ(d->FieldByName("LWFILESIZE").AsInteger(), -5);
  EXPECT_EQ(d->FieldByName("fileattr").AsInteger(), 32);
  EXPECT_DOUBLE_EQ(d->FieldByName("CreationTime").AsDateTime(), 45000.5);
  EXPECT_FALSE(d->FieldByName("PTHor").IsNull());
  EXPECT_EQ(d->FieldByName("PTHor").AsString(), "");
  EXPECT_TRUE(d->FieldByName("PTH").IsNull());
  EXPECT_EQ(d->FieldByName("PTH").DisplayText(), "");
  EXPECT_THROW(d->FieldByName("PTH").AsString(), EDatabaseError);
  EXPECT_THROW(d->FieldByName("LLastAccess").AsInteger(), EDatabaseError);
  EXPECT_EQ(d->FindField("nothing"), nullptr);
  EXPECT_THROW(d->FieldByName("nothing"), EDatabaseError);
  EXPECT_THROW(d->Fields(d->FieldCount()), EDatabaseError);
}

TEST_F(AdoDataSet, TellsFieldTypesFromColumnsAndValues) {
  auto d = Query("select ID, DSC, CreationTime, FileAttr, IDC, fnd, lwFileSize * 1.5 as f, \"x\" as s, 7 as n from fs "
                 "where id=\"\\a\"");
  const TFieldType expected[] = {TFieldType::ftString,  TFieldType::ftMemo,    TFieldType::ftDateTime,
                                 TFieldType::ftInteger, TFieldType::ftAutoInc, TFieldType::ftBoolean,
                                 TFieldType::ftFloat,   TFieldType::ftString,  TFieldType::ftInteger};
  ASSERT_EQ(d->FieldCount(), 9);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(d->Fields(k).DataType(), expected[k]) << d->Fields(k).FieldName();
  EXPECT_EQ(d->FieldByName("CreationTime").DisplayText(), "15.03.2023 12:00:00");
  EXPECT_EQ(d->FieldByName("fnd").AsString(), "True");
}

TEST_F(AdoDataSet, ConvertsValuesOrSaysWhyNot) {
  auto d = Query("select \"12\" as t, \"x1\" as bad, 3000000000 as big, 2.5 as r");
  EXPECT_EQ(d->FieldByName("t").AsInteger(), 12);
  EXPECT_DOUBLE_EQ(d->FieldByName("t").AsFloat(), 12.0);
  EXPECT_THROW(d->FieldByName("bad").AsInteger(), EDatabaseError);
  EXPECT_THROW(d->FieldByName("big").AsInteger(), EDatabaseError);
  EXPECT_EQ(d->FieldByName("big").AsLargeInt(), 3000000000LL);
  EXPECT_EQ(d->FieldByName("r").AsString(), "2.5");
}

TEST_F(AdoDataSet, AppendsOnlyTheFieldsSetAndShowsTheNewCounter) {
  Connection->Execute("insert into cats(cat,[value],it) values(\"old\",\"v\",\"\\a\")");
  auto d = Query("select * from cats");
  d->Append();
  EXPECT_EQ(d->GetState(), TDataSetState::dsInsert);
  d->FieldByName("cat").SetAsString("Автор");
  d->FieldByName("It").SetAsString("\\a");
  d->Post();
  EXPECT_EQ(d->GetState(), TDataSetState::dsBrowse);
  EXPECT_EQ(d->FieldByName("id").AsInteger(), 2);
  EXPECT_TRUE(d->FieldByName("Value").IsNull());
  EXPECT_EQ(Scalar("select count(*) from cats where cat=\"автор\" and [value] is null"), "1");
  d->Next();  // an appended row comes after the rows of the query
  EXPECT_TRUE(d->Eof());
}

TEST_F(AdoDataSet, EditsPostsAndCancels) {
  auto d = Query("select * from fs where id=\"\\b\"");
  d->Edit();
  d->FieldByName("PTHor").SetAsString("/real/b");
  d->FieldByName("lwFileSize").SetAsInteger(7);
  d->Post();
  EXPECT_EQ(Rows("select PTHor, lwFileSize, FileAttr from fs where id=\"\\b\""),
            (std::vector<std::vector<std::string>>{{"/real/b", "7", "16"}}));
  d->Edit();
  d->FieldByName("PTHor").Clear();
  d->Cancel();
  EXPECT_EQ(d->FieldByName("PTHor").AsString(), "/real/b");
  EXPECT_EQ(Scalar("select PTHor from fs where id=\"\\b\""), "/real/b");
  // A value the table refuses leaves the dataset editing, so it can be put right.
  d->Edit();
  d->FieldByName("Name").SetAsString(std::string(256, 'n'));
  EXPECT_THROW(d->Post(), EDatabaseError);
  EXPECT_EQ(d->GetState(), TDataSetState::dsEdit);
  d->FieldByName("Name").SetAsString("short");
  d->Post();
  EXPECT_EQ(Scalar("select [Name] from fs where id=\"\\b\""), "short");
}

TEST_F(AdoDataSet, RefusesChangesOutsideEditingAndToExpressions) {
  auto d = Query("select id, \"x\" as label from fs where id=\"\\a\"");
  EXPECT_THROW(d->FieldByName("id").SetAsString("\\z"), EDatabaseError);
  d->Edit();
  EXPECT_THROW(d->FieldByName("label").SetAsString("y"), EDatabaseError);
  d->Cancel();
}

TEST_F(AdoDataSet, DeletesTheRowAndStandsOnTheNext) {
  auto d = Query("select id from fs order by id");
  d->Delete();
  EXPECT_EQ(d->Fields(0).AsString(), "\\b");
  d->Next();
  d->Delete();
  EXPECT_TRUE(d->Eof());
  EXPECT_TRUE(d->IsEmpty());
  EXPECT_EQ(Column("select id from fs"), std::vector<std::string>{"\\b"});
  EXPECT_THROW(d->Delete(), EDatabaseError);
  // Delete of a row not yet posted only drops it.
  d->Append();
  d->Delete();
  EXPECT_EQ(Scalar("select count(*) from fs"), "1");
}

TEST_F(AdoDataSet, JoinsAndDistinctAreReadOnly) {
  Connection->Execute("insert into cats(cat,[value],it) values(\"c\",\"v\",\"\\a\")");
  for (const char* jet : {"select cats.ID,cats.IT,cats.cat, cats.Value,FS.ID as fs_id, FS.*  from FS left join cats on "
                          "cats.it=FS.ID where FS.ID = \"\\a\"",
                          "select distinct cat from cats", "select cats.* from cats, fs where cats.it=fs.id",
                          "select cat, count(*) from cats group by cat"}) {
    auto d = Query(jet);
    EXPECT_THROW(d->Edit(), EDatabaseError) << jet;
    EXPECT_THROW(d->Append(), EDatabaseError) << jet;
    EXPECT_THROW(d->Delete(), EDatabaseError) << jet;
  }
}

TEST_F(AdoDataSet, ClosingTheConnectionClosesItsDatasetsWhichReopenIt) {
  auto d = Query("select id from fs");
  auto e = Query("select cat from CN");
  Connection->Close();
  EXPECT_FALSE(d->Active());
  EXPECT_FALSE(e->Active());
  d->Open();
  EXPECT_TRUE(Connection->Connected());
  EXPECT_EQ(d->Fields(0).AsString(), "\\a");
  e.reset();  // a dataset freed after its connection closed leaves nothing behind
  Connection->Close();
  Connection.reset();  // and one that outlives its connection is closed already
  EXPECT_FALSE(d->Active());
}

TEST_F(AdoDataSet, MovingOnPostsPendingChangesAndClosingDropsThem) {
  auto d = Query("select * from CN");
  d->Append();
  d->FieldByName("cat").SetAsString("kept");
  d->Next();
  d->Append();
  d->FieldByName("cat").SetAsString("dropped");
  d->Close();
  EXPECT_EQ(Column("select cat from CN"), std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace bindershelf::ado
