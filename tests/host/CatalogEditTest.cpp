// cp, mv, ren and rm inside the catalog.
#include <filesystem>

#include "HostRunner.h"

namespace host_testing {
namespace {

namespace fs = std::filesystem;
using TNames = std::vector<std::string>;

class CatalogEditTest : public THostTest {
 protected:
  void SetUp() override {
    REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile");
    WriteLocal("Photos/a.jpg", "aa");
    WriteLocal("Photos/2024/b.jpg", "bbb");
    WriteLocal("Photos/2024/May/c.jpg", "c");
    WriteLocal("note.txt", "note");
    THostResult put = RunCommands("put Photos note.txt \\; mkdir Archive");
    ASSERT_EQ(put.exitCode, 0) << put.err;
  }
  TNames NamesIn(const std::string& folder) const {
    THostResult run = RunCommands("ls \"" + folder + "\"");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return ListedNames(run.out);
  }
};

TEST_F(CatalogEditTest, CopyingAFileOrATreeKeepsTheSource) {
  REQUIRE_MODULE_EXPORTS("FsRenMovFile");
  THostResult run = RunCommands("cp note.txt Archive; cp note.txt /Archive/copy.txt; cp Photos Archive/Pictures");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(NamesIn("\\Archive"), (TNames{"Pictures", "copy.txt", "note.txt"}));
  EXPECT_EQ(NamesIn("\\Archive\\Pictures"), (TNames{"2024", "a.jpg"}));
  EXPECT_EQ(NamesIn("\\Archive\\Pictures\\2024\\May"), (TNames{"c.jpg"}));
  EXPECT_EQ(NamesIn("\\"), (TNames{"Archive", "Photos", "note.txt"}));
  EXPECT_EQ(NamesIn("\\Photos\\2024"), (TNames{"May", "b.jpg"}));
  // The copy stands for the same real file.
  std::vector<TListedEntry> copy = ParseListing(RunCommands("ls /Archive/Pictures/2024/b.jpg").out);
  ASSERT_EQ(copy.size(), 1u);
  EXPECT_EQ(copy[0].size, "3");
}

TEST_F(CatalogEditTest, MovingAFileOrATreeRemovesTheSource) {
  REQUIRE_MODULE_EXPORTS("FsRenMovFile", "FsDeleteFile", "FsRemoveDir");
  THostResult run = RunCommands("mv note.txt Archive; mv Photos /Archive");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(NamesIn("\\"), (TNames{"Archive"}));
  EXPECT_EQ(NamesIn("\\Archive"), (TNames{"Photos", "note.txt"}));
  EXPECT_EQ(NamesIn("\\Archive\\Photos\\2024"), (TNames{"May", "b.jpg"}));
  EXPECT_EQ(NamesIn("\\Archive\\Photos\\2024\\May"), (TNames{"c.jpg"}));
  // Nothing of the old tree stays behind under a folder of the same name.
  EXPECT_EQ(NamesIn("\\"), (TNames{"Archive"}));
  ASSERT_EQ(RunCommands("mkdir Photos").exitCode, 0);
  EXPECT_EQ(NamesIn("\\Photos"), TNames{});
}

TEST_F(CatalogEditTest, RenameWritesTheItemUnderItsNewNameInTheSameFolder) {
  REQUIRE_MODULE_EXPORTS("FsRenMovFile");
  THostResult run = RunCommands("cd Photos; ren a.jpg \"first shot.jpg\"");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  TNames names = NamesIn("\\Photos");
  EXPECT_NE(std::find(names.begin(), names.end(), "first shot.jpg"), names.end()) << run.out;
  THostResult badName = RunCommands("ren note.txt Archive/x.txt");
  EXPECT_EQ(badName.exitCode, 1);
  EXPECT_NE(badName.err.find("one name, without"), std::string::npos) << badName.err;
}

TEST_F(CatalogEditTest, CopyRefusesTargetsInsideTheSourceAndOntoItself) {
  REQUIRE_MODULE_EXPORTS("FsRenMovFile");
  const char* refused[] = {"cp Photos Photos/2024", "cp Photos /photos", "mv note.txt /", "cp / Archive",
                           "cp Photos note.txt"};
  for (const char* command : refused) {
    THostResult run = RunCommands(command);
    EXPECT_EQ(run.exitCode, 1) << command;
  }
  EXPECT_EQ(NamesIn("\\Photos\\2024"), (TNames{"May", "b.jpg"}));
  EXPECT_EQ(NamesIn("\\"), (TNames{"Archive", "Photos", "note.txt"}));
}

TEST_F(CatalogEditTest, RemovingAFolderRemovesEverythingBelowIt) {
  REQUIRE_MODULE_EXPORTS("FsDeleteFile", "FsRemoveDir");
  THostResult run = RunCommands("rm Photos note.txt");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(NamesIn("\\"), (TNames{"Archive"}));
  // A new folder of the old name finds nothing of the old content.
  ASSERT_EQ(RunCommands("mkdir Photos Photos/2024").exitCode, 0);
  EXPECT_EQ(NamesIn("\\Photos"), (TNames{"2024"}));
  EXPECT_EQ(NamesIn("\\Photos\\2024"), TNames{});
  // The real files are never touched.
  EXPECT_TRUE(fs::exists(Local("Photos/2024/May/c.jpg")));
  EXPECT_TRUE(fs::exists(Local("note.txt")));
  THostResult missing = RunCommands("rm nothing");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("rm: no such item: \\nothing"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace host_testing
