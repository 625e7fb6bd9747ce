// Making folders and deleting items through FsMkDir, FsDeleteFile and FsRemoveDir.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ModuleFixture.h"

namespace testing_support {
namespace {

using Rows = std::vector<std::string>;

class Folders : public TModuleTest {
 protected:
  void SetUp() override {
    TModuleTest::SetUp();
    mkDir = module->Export<decltype(FsMkDir)>("FsMkDir");
    deleteFile = module->Export<decltype(FsDeleteFile)>("FsDeleteFile");
    removeDir = module->Export<decltype(FsRemoveDir)>("FsRemoveDir");
    ASSERT_TRUE(mkDir && deleteFile && removeDir);
  }
  BOOL MkDir(std::string path) { return mkDir(path.data()); }
  BOOL DeleteFile(std::string name) { return deleteFile(name.data()); }
  BOOL RemoveDir(std::string name) { return removeDir(name.data()); }
  void AddProperty(const std::string& cat, const std::string& owner) {
    Probe().Execute("insert into cats(cat,[value],it) values(\"" + cat + "\",\"v\",\"" + owner + "\")");
  }
  // One row of fs as text: ID|Name|ParID|FileAttr|PTHor|LastWrite|lwFileSize.
  Rows Row(const std::string& id) {
    return Probe().Column(
        "select ID+\"|\"+[Name]+\"|\"+parid+\"|\"+FileAttr+\"|\"+iif(PTHor is null,\"<null>\",PTHor)+\"|\"+"
        "iif(LastWrite is null,\"<null>\",LastWrite)+\"|\"+iif(lwFileSize is null,\"<null>\",lwFileSize) "
        "from fs where id=\"" + id + "\"");
  }

  decltype(&FsMkDir) mkDir = nullptr;
  decltype(&FsDeleteFile) deleteFile = nullptr;
  decltype(&FsRemoveDir) removeDir = nullptr;
};

TEST_F(Folders, MakingAFolderWritesItsRow) {
  EXPECT_EQ(MkDir("\\Docs"), FS_TRUE);
  EXPECT_EQ(MkDir("\\Docs\\2024"), FS_TRUE);
  EXPECT_EQ(Row("\\Docs"), Rows{"\\Docs|Docs||16|<null>|<null>|<null>"});
  EXPECT_EQ(Row("\\Docs\\2024"), Rows{"\\Docs\\2024|2024|\\Docs|16|<null>|<null>|<null>"});
}

TEST_F(Folders, AnExistingIdIsLeftAsItIs) {
  Probe().Execute("insert into fs(ID,[Name],parid,Fileattr,PTHor) values(\"\\a.txt\",\"a.txt\",\"\",32,\"/x/a.txt\")");
  EXPECT_EQ(MkDir("\\A.TXT"), FS_TRUE);
  EXPECT_EQ(Probe().Column("select id from fs"), Rows{"\\a.txt"});
  EXPECT_EQ(Row("\\a.txt"), Rows{"\\a.txt|a.txt||32|/x/a.txt|<null>|<null>"});
}

TEST_F(Folders, AFolderThatCannotBeWrittenFailsWithAMessage) {
  EXPECT_EQ(MkDir("\\" + std::string(300, 'x')), FS_FALSE);
  EXPECT_EQ(TakeMessages().size(), 1u);
  EXPECT_EQ(Probe().Count("select * from fs"), 0u);
}

TEST_F(Folders, DeletingRemovesTheItemAndItsPropertiesOnly) {
  AddFolderRow("\\Docs", "Docs", "");
  AddFolderRow("\\Docs\\Inner", "Inner", "\\Docs");
  AddProperty("Author", "\\Docs");
  AddProperty("Author", "\\Docs\\Inner");
  for (const char* pseudo : {"|FILTER|", "|SEARCH|", "|COPY|"}) AddProperty("Author", pseudo);
  EXPECT_EQ(RemoveDir("\\Docs\\"), FS_TRUE);
  EXPECT_EQ(Probe().Column("select id from fs"), Rows{"\\Docs\\Inner"});
  EXPECT_EQ(Probe().Count("select * from cats"), 4u);
  EXPECT_EQ(Probe().Count("select * from cats where it=\"\\Docs\""), 0u);
  EXPECT_EQ(DeleteFile("\\docs\\inner"), FS_TRUE);
  EXPECT_EQ(Probe().Count("select * from fs"), 0u);
  EXPECT_EQ(Probe().Count("select * from cats"), 3u);
}

TEST_F(Folders, DeletingWhatIsNotThereSucceeds) {
  EXPECT_EQ(DeleteFile("\\nothing"), FS_TRUE);
  EXPECT_EQ(RemoveDir("\\"), FS_TRUE);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Folders, ANameWithADoubleQuoteIsMadeAndDeletedAsItIs) {
  EXPECT_EQ(MkDir("\\say \"hi\""), FS_TRUE);
  EXPECT_EQ(Probe().Column("select [Name] from fs"), Rows{"say \"hi\""});
  EXPECT_EQ(DeleteFile("\\say \"hi\""), FS_TRUE);
  EXPECT_EQ(Probe().Count("select * from fs"), 0u);
}

TEST_F(Folders, AFailedStatementIsReportedAsAFailure) {
  AddFolderRow("\\Docs", "Docs", "");
  Probe().Execute("drop table cats");
  EXPECT_EQ(DeleteFile("\\Docs"), FS_FALSE);
  EXPECT_EQ(RemoveDir("\\Docs"), FS_FALSE);
  auto messages = TakeMessages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[0].find("cats"), std::string::npos) << messages[0];
}

}  // namespace
}  // namespace testing_support
