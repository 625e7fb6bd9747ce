// The go command and the filter of the bulk commands, with the module's globals set
// directly (in the module they are set by the properties window).
#include "vfs/ExecuteFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/Schema.h"
#include "plugin/Common.h"
#include "plugin/Startup.h"
#include "plugin/TextPieces.h"
#include "support/CoreCatalogFixture.h"
#include "support/TempDir.h"

namespace bindershelf::vfs {
namespace {

using testing_support::ReadFile;
using testing_support::TTempDir;

class ExecuteCommands : public testing_support::TCoreCatalogTest {
 protected:
  static void Run(const std::string& statement) { CatalogConnection->Execute(statement); }
  static void AddFile(const std::string& id, const std::string& realPath) {
    const auto [parent, name] = SplitAtLast(id, '\\');
    Run("insert into fs(ID,[Name],parid,Fileattr,PTHor) values(" + Quoted(id) + "," + Quoted(name) + "," +
        Quoted(parent) + ",32," + Quoted(realPath) + ")");
  }
  static void AddProperty(const std::string& owner, const std::string& cat, const std::string& value) {
    Run("insert into cats(cat,[value],it) values(" + Quoted(cat) + "," + Quoted(value) + "," + Quoted(owner) + ")");
  }
  static std::string Repeated(const std::string& piece, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
  }

  TProgramRuns runs;
};

TEST_F(ExecuteCommands, GoNamesTheFolderOfTheJumpTarget) {
  const struct {
    std::string jumpTarget, remoteAfter;
  } cases[] = {
      {"\\Docs\\Report.txt", "\\Docs\\"},
      {"\\Top.txt", "\\"},
      {"\\A\\B\\", "\\A\\B\\"},
      {"no backslash", ""},
      {"", ""},
      // 200 two-byte characters: as many whole ones as fit before the NUL.
      {"\\" + Repeated("\xc3\xa9", 200) + "\\y", "\\" + Repeated("\xc3\xa9", 129)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.jumpTarget);
    JumpTarget = c.jumpTarget;
    char remote[MAX_PATH + 16];
    std::memset(remote, '#', sizeof remote);
    std::strcpy(remote, "\\Current\\");
    EXPECT_EQ(ExecuteFile(remote, "quote go", runs), FS_EXEC_SYMLINK);
    EXPECT_EQ(std::string(remote), c.remoteAfter);
    EXPECT_EQ(std::string(remote + MAX_PATH, 16), std::string(16, '#'));
    EXPECT_EQ(JumpTarget, c.jumpTarget);  // kept for the next go command
  }
}

TEST_F(ExecuteCommands, TheListTakesOnlyWhatTheFilterLetsThrough) {
  AddFile("\\A", "/disk/A");
  Run("update fs set FileAttr=16 where id=\"\\A\"");
  AddFile("\\A\\photo.txt", "/disk/A/photo.txt");
  AddFile("\\A\\notes.txt", "/disk/A/notes.txt");
  AddFile("\\A\\photo.jpg", "/disk/A/photo.jpg");
  AddProperty("\\A\\photo.txt", "Kind", "holiday photo");
  AddProperty("\\A\\notes.txt", "Kind", "text");
  AddProperty("\\A\\photo.jpg", "Kind", "photo");
  AddProperty("|FILTER|", "Kind", "photo");
  const std::string list = dir / "list.txt";

  char root[MAX_PATH] = "\\";
  ASSERT_EQ(ExecuteFile(root, "quote l " + list, runs), FS_EXEC_OK);
  EXPECT_EQ(testing_support::SortedCrLfLines(ReadFile(list)),
            (std::vector<std::string>{"/disk/A/notes.txt", "/disk/A/photo.jpg", "/disk/A/photo.txt"}));

  // The piece the properties window makes: items whose properties match a condition of
  // the filter, or folders, and whose name matches the mask.
  ListFilter =
      " and (id in (select distinct t1.it from cats as t1,cats as t2 where t1.cat like \"%\" + t2.cat + \"%\" and "
      "t1.[value] like \"%\" + t2.[value]+\"%\" and t2.it=\"|FILTER|\") or FileAttr=16) and name like \"%.txt\"";
  char folder[MAX_PATH] = "\\A\\";
  ASSERT_EQ(ExecuteFile(folder, "quote l " + list, runs), FS_EXEC_OK);
  EXPECT_EQ(ReadFile(list), "/disk/A/photo.txt\r\n");
}

}  // namespace
}  // namespace bindershelf::vfs
