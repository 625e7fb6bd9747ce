// The connection: which files it opens, creating and compacting database files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/ado/ADO.h"
#include "AdoFixture.h"

namespace bindershelf::ado {
namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

class AdoConnection : public testing::TAdoTest {
 protected:
  // The message Open raises for the file at path, or "" when it opens.
  std::string OpenError(const std::string& path) {
    TADOConnection c;
    c.ConnectionString = testing::kJetProvider + path;
    try {
      c.Open("Admin", "");
    } catch (const EDatabaseError& e) {
      return e.what();
    }
    return "";
  }
  // An SQLite file that some other application made.
  std::string ForeignSqliteFile() {
    std::string path = Dir / "other.db";
    TADOConnection::CreateDatabaseFile(path);
    TADOConnection c;
    c.ConnectionString = testing::kJetProvider + path;
    c.Open("Admin", "");
    c.Execute("create table t (x int)");
    c.Execute("pragma application_id=0");
    c.Close();
    return path;
  }
};

TEST_F(AdoConnection, ReadsTheDataSourceOfTheConnectionString) {
  struct TCase {
    const char* string;
    const char* file;
  } const cases[] = {
      {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/tmp/vx.dat", "/tmp/vx.dat"},
      {"provider=Microsoft.Jet.OLEDB.4.0; data source = /tmp/a b.dat ;Persist Security Info=False", "/tmp/a b.dat"},
      {"Data Source=\"/tmp/q.dat\";Provider=x", "/tmp/q.dat"},
      {"Provider=Microsoft.Jet.OLEDB.4.0", ""},
  };
  for (const auto& c : cases) {
    TADOConnection connection;
    connection.ConnectionString = c.string;
    EXPECT_EQ(connection.DataSource(), c.file) << c.string;
  }
}

TEST_F(AdoConnection, RefusesFilesThatAreNoCatalogWithoutWritingToThem) {
  WriteFile(Dir / "empty.dat", "");
  WriteFile(Dir / "text.dat", "Provider=whatever\r\nnot a database at all, but long enough to fill a header. "
                              "More text, more text, more text, more text, more text.\r\n");
  std::string otherEngine(4096, '\0');
  otherEngine.replace(0, 16, "Standard Jet DB\0", 16);
  WriteFile(Dir / "jet.mdb", otherEngine);
  std::string foreign = ForeignSqliteFile();
  std::filesystem::create_directory(Dir / "folder.dat");
  for (const std::string& path : {Dir / "empty.dat", Dir / "text.dat", Dir / "jet.mdb", foreign}) {
    std::string before = ReadFile(path);
    EXPECT_EQ(OpenError(path), "\"" + path + "\" is not a catalog database");
    EXPECT_EQ(ReadFile(path), before) << path;
    EXPECT_FALSE(std::filesystem::exists(path + "-wal")) << path;
    EXPECT_FALSE(std::filesystem::exists(path + "-journal")) << path;
  }
  EXPECT_EQ(OpenError(Dir / "folder.dat"), "\"" + (Dir / "folder.dat") + "\" is not a catalog database");
  EXPECT_EQ(OpenError(Dir / "missing.dat"), "Could not find file \"" + (Dir / "missing.dat") + "\"");
  EXPECT_FALSE(std::filesystem::exists(Dir / "missing.dat"));
}

TEST_F(AdoConnection, OpensOnlyAsAdmin) {
  TADOConnection& c = NewDatabase();
  c.Close();
  EXPECT_THROW(c.Open("guest", ""), EDatabaseError);
  EXPECT_THROW(c.Open("Admin", "secret"), EDatabaseError);
  EXPECT_FALSE(c.Connected());
  c.Open("admin", "");
  EXPECT_TRUE(c.Connected());
}

TEST_F(AdoConnection, CreatesANewFileOnlyWhereNoneIs) {
  std::string path = Dir / "new.dat";
  TADOConnection::CreateDatabaseFile(path);
  std::string header = ReadFile(path);
  ASSERT_GE(header.size(), 100u);
  EXPECT_EQ(header.substr(0, 16), std::string("SQLite format 3\0", 16));
  EXPECT_EQ(header[18], 2) << "WAL mode";
  EXPECT_EQ(OpenError(path), "");
  try {
    TADOConnection::CreateDatabaseFile(path);
    ADD_FAILURE() << "made a file over an existing one";
  } catch (const EDatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  WriteFile(Dir / "taken.dat", "mine");
  EXPECT_THROW(TADOConnection::CreateDatabaseFile(Dir / "taken.dat"), EDatabaseError);
  EXPECT_EQ(ReadFile(Dir / "taken.dat"), "mine");
}

TEST_F(AdoConnection, ReopensOnTheFileTheConnectionStringNamesNow) {
  TADOConnection& c = NewCatalog();
  c.Execute("insert into CN(cat) values(\"first\")");
  std::string second = Dir / "second.dat";
  TADOConnection::CreateDatabaseFile(second);
  c.Close();
  c.ConnectionString = testing::kJetProvider + second;
  c.Open("Admin", "");
  EXPECT_FALSE(c.TableExists("CN"));
  c.Close();
  c.ConnectionString = testing::kJetProvider + (Dir / "vx.dat");
  c.Open("Admin", "");
  EXPECT_EQ(Scalar("select cat from CN"), "first");
}

TEST_F(AdoConnection, ExecuteReportsRowsChangedAndErrors) {
  TADOConnection& c = NewCatalog();
  EXPECT_EQ(c.Execute("insert into CN(cat) values(\"a\")"), 1);
  EXPECT_EQ(c.Execute("insert into CN(cat) values(\"b\")"), 1);
  EXPECT_EQ(c.Execute("update CN set cat=cat+\"x\""), 2);
  EXPECT_EQ(c.Execute("create table other (x int)"), 0);  // not the count of the update before it
  EXPECT_EQ(c.Execute("delete * from CN where cat like \"a%\""), 1);
  EXPECT_EQ(c.Execute("delete * from CN where cat=\"none\""), 0);
  EXPECT_THROW(c.Execute("select * from nowhere"), EDatabaseError);
  EXPECT_THROW(c.Execute("insret into CN values(\"x\")"), EDatabaseError);
}

TEST_F(AdoConnection, ClosedConnectionOpensAgainForAStatement) {
  TADOConnection& c = NewCatalog();
  c.Close();
  EXPECT_EQ(c.Execute("insert into CN(cat) values(\"a\")"), 1);
  EXPECT_TRUE(c.Connected());
}

TEST_F(AdoConnection, CompactionKeepsRowsCountersTriggersIndexesAndMarks) {
  TADOConnection& c = NewCatalog();
  for (const char* cat : {"a", "b", "c"})
    c.Execute(std::string("insert into cats(cat,[value],it) values(\"") + cat + "\",\"v\",\"\\x\")");
  c.Execute("delete * from cats where cat=\"c\"");  // the last number, 3, must not come back
  c.Close();
  std::string copy = Dir / "tmp.$$$";
  TADOConnection::CompactDatabaseFile(Dir / "vx.dat", copy);
  std::string header = ReadFile(copy);
  ASSERT_GE(header.size(), 100u);
  EXPECT_EQ(header[18], 2) << "WAL mode";
  c.ConnectionString = testing::kJetProvider + copy;
  c.Open("Admin", "");  // it carries the layer's mark, or Open would refuse it
  EXPECT_EQ(Column("select cat from cats order by id"), (std::vector<std::string>{"a", "b"}));
  c.Execute("insert into cats(cat,[value],it) values(\"d\",\"v\",\"\\x\")");
  EXPECT_EQ(Scalar("select id from cats where cat=\"d\""), "4");
  EXPECT_EQ(ErrorOf("insert into cats(cat,[value],it) values(\"A\",\"w\",\"\\X\")"),
            "Duplicate value \"A\", \"\\X\" in the key (cat, it) of table cats");
  EXPECT_NE(ErrorOf("insert into CN(cat) values(\"" + std::string(256, 'c') + "\")"), "");
  EXPECT_NE(PlanOf("select * from cats where it=\"\\x\"").find("cats_owner"), std::string::npos);
}

TEST_F(AdoConnection, CompactionNeverOverwrites) {
  NewCatalog();
  Connection->Close();
  WriteFile(Dir / "tmp.$$$", "in the way");
  try {
    TADOConnection::CompactDatabaseFile(Dir / "vx.dat", Dir / "tmp.$$$");
    ADD_FAILURE() << "compacted over an existing file";
  } catch (const EDatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find(Dir / "tmp.$$$"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ReadFile(Dir / "tmp.$$$"), "in the way");
  EXPECT_THROW(TADOConnection::CompactDatabaseFile(Dir / "missing.dat", Dir / "out.dat"), EDatabaseError);
  EXPECT_FALSE(std::filesystem::exists(Dir / "out.dat"));
}

}  // namespace
}  // namespace bindershelf::ado
