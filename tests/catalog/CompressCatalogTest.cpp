#include "catalog/CompressCatalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "catalog/Schema.h"
#include "platform/os/FaultInjectingFileSystem.h"
#include "plugin/Common.h"
#include "plugin/Startup.h"
#include "support/CatalogProbe.h"
#include "support/CoreCatalogFixture.h"
#include "support/TempDir.h"

namespace bindershelf::catalog {
namespace {

namespace fs = std::filesystem;
using testing_support::TCatalogProbe;
using testing_support::TTempDir;

class Compaction : public testing_support::TCoreCatalogTest {
 protected:

  static void Run(const std::string& statement) { CatalogConnection->Execute(statement); }
  static std::vector<std::string> Column(const std::string& query) {
    ado::TADODataSet d;
    d.Connection = CatalogConnection.get();
    d.CommandText = query;
    d.Open();
    std::vector<std::string> values;
    for (; !d.Eof(); d.Next()) values.push_back(d.Fields(0).AsString());
    return values;
  }
  void AddItemWithProperty(const std::string& id, const std::string& cat) {
    Run("insert into fs(ID,[Name],parid,Fileattr) values(\"" + id + "\",\"x\",\"\",16)");
    Run("insert into cats(cat,[value],it) values(\"" + cat + "\",\"v\",\"" + id + "\")");
  }
};

TEST_F(Compaction, PurgesWhatNothingOwnsAndKeepsTheRest) {
  AddItemWithProperty("\\kept", "Author");
  AddItemWithProperty("\\gone", "Year");
  Run("Delete * from fs where id=\"\\gone\"");
  for (const char* pseudo : {"|FILTER|", "|SEARCH|", "|COPY|"})
    Run(std::string("insert into cats(cat,[value],it) values(\"Project\",\"Alpha\",\"") + pseudo + "\")");
  Run("insert into cn(cat) values(\"Author\")");
  Run("insert into cn(cat) values(\"Typed and cancelled\")");
  Run("insert into cn(cat) values(\"Year\")");
  auto countersBefore = Column("select IDC from fs");
  auto propertyIdsBefore = Column("select id from cats where it=\"\\kept\"");

  CompressCatalog();

  ASSERT_TRUE(CatalogConnection->Connected());
  EXPECT_EQ(Column("select it from cats"), std::vector<std::string>{"\\kept"});
  EXPECT_EQ(Column("select cat from cn"), std::vector<std::string>{"Author"});
  EXPECT_EQ(Column("select IDC from fs"), countersBefore);
  EXPECT_EQ(Column("select id from cats where it=\"\\kept\""), propertyIdsBefore);
  EXPECT_FALSE(fs::exists(ModuleDir + kCompactedCopyName));
}

TEST_F(Compaction, CountersGoOnAfterTheKeptRows) {
  AddItemWithProperty("\\a", "A");
  AddItemWithProperty("\\b", "B");
  CompressCatalog();
  AddItemWithProperty("\\c", "C");
  auto counters = Column("select IDC from fs where id=\"\\c\"");
  EXPECT_GT(std::stoll(counters.at(0)), std::stoll(Column("select IDC from fs where id=\"\\b\"").at(0)));
}

TEST_F(Compaction, ALeftOverCopyIsRemovedFirst) {
  AddItemWithProperty("\\a", "A");
  testing_support::WriteFile(ModuleDir + kCompactedCopyName, "left over from an earlier run");
  CompressCatalog();
  EXPECT_EQ(Column("select id from fs"), std::vector<std::string>{"\\a"});
  EXPECT_FALSE(fs::exists(ModuleDir + kCompactedCopyName));
}

TEST_F(Compaction, AFailureLeavesTheOldFileTheCatalog) {
  AddItemWithProperty("\\a", "A");
  // A directory in the copy's place can be neither removed nor written over.
  fs::create_directory(ModuleDir + kCompactedCopyName);
  testing_support::WriteFile(ModuleDir + kCompactedCopyName + "/inside", "x");
  EXPECT_ANY_THROW(CompressCatalog());
  OpenCatalog();
  EXPECT_EQ(Column("select id from fs"), std::vector<std::string>{"\\a"});
}

TEST_F(Compaction, AFailedReplacementKeepsTheOldFileAndLeavesNoCopy) {
  AddItemWithProperty("\\a", "A");
  Run("Delete * from fs where id=\"\\a\"");
  os::TFaultInjectingFileSystem faulty(os::FileSystem());
  {
    os::TScopedFileSystem scoped(faulty);
    faulty.FailNext(os::TFileOperation::RenameFile, EBUSY);
    EXPECT_THROW(CompressCatalog(), os::EOSError);
  }
  EXPECT_FALSE(fs::exists(ModuleDir + kCompactedCopyName));
  OpenCatalog();
  // The purge had been stored before; the catalog file is the old one, still usable.
  EXPECT_TRUE(Column("select it from cats").empty());
  Run("insert into fs(ID,[Name],parid,Fileattr) values(\"\\b\",\"b\",\"\",16)");
  EXPECT_EQ(Column("select id from fs"), std::vector<std::string>{"\\b"});
}

TEST_F(Compaction, ASwitchedCatalogIsCompactedUnderItsOwnName) {
  ReleaseCatalog(kProcessDetach);
  DatabaseName = "archive.dat";
  CreateCatalog();
  AddItemWithProperty("\\in archive", "A");
  CompressCatalog();
  EXPECT_EQ(Column("select id from fs"), std::vector<std::string>{"\\in archive"});
  EXPECT_TRUE(fs::exists(ModuleDir + "archive.dat"));
}

}  // namespace
}  // namespace bindershelf::catalog
