// get: items and trees copied out to local directories; results of the module in words.
#include <filesystem>

#include "HostRunner.h"

namespace host_testing {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;

class GetTest : public THostTest {
 protected:
  void SetUp() override {
    REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile", "FsGetFile");
  }
};

TEST_F(GetTest, CopiesTheRealFilesOfItemsAndTreesIntoTheLocalDirectory) {
  WriteLocal("src/Photos/a.jpg", "aaaa");
  WriteLocal("src/Photos/2024/b.jpg", "bb");
  WriteLocal("src/note.txt", "note");
  THostResult put = RunCommands("put src/Photos src/note.txt \\");
  ASSERT_EQ(put.exitCode, 0) << put.err;
  THostResult get = RunCommands("get Photos /note.txt \"out dir/new\"");
  ASSERT_EQ(get.exitCode, 0) << get.err;
  EXPECT_EQ(ReadFile(Local("out dir/new/note.txt")), "note");
  EXPECT_EQ(ReadFile(Local("out dir/new/Photos/a.jpg")), "aaaa");
  EXPECT_EQ(ReadFile(Local("out dir/new/Photos/2024/b.jpg")), "bb");
  EXPECT_NE(get.out.find("] 3/3 100% "), std::string::npos) << get.out;
}

TEST_F(GetTest, AnItemWhoseRealFileIsGoneIsReportedNotFound) {
  WriteLocal("gone.txt", "g");
  WriteLocal("kept.txt", "k");
  ASSERT_EQ(RunCommands("put gone.txt kept.txt \\").exitCode, 0);
  fs::remove(Local("gone.txt"));
  THostResult get = RunCommands("get gone.txt kept.txt out");
  EXPECT_EQ(get.exitCode, 1);
  EXPECT_NE(get.err.find("\\gone.txt -> " + Local("out/gone.txt") + ": not found"), std::string::npos) << get.err;
  EXPECT_NE(get.err.find("1 of 2 items failed"), std::string::npos) << get.err;
  // The other file still came out.
  EXPECT_EQ(ReadFile(Local("out/kept.txt")), "k");
}

TEST_F(GetTest, AnExistingLocalFileIsReplacedOnlyWhenTheAnswerIsYes) {
  WriteLocal("src/f.txt", "catalogued");
  ASSERT_EQ(RunCommands("put src/f.txt").exitCode, 0);
  struct TCase {
    std::vector<std::string> options;
    int exitCode;
    const char* content;
  };
  const TCase cases[] = {
      {{}, 1, "local"},
      {{"--overwrite=no"}, 0, "local"},
      {{"-y"}, 0, "catalogued"},
  };
  for (const TCase& c : cases) {
    WriteLocal("out/f.txt", "local");
    THostResult get = RunCommands("get f.txt out", c.options);
    EXPECT_EQ(get.exitCode, c.exitCode) << get.err;
    EXPECT_EQ(ReadFile(Local("out/f.txt")), c.content) << (c.options.empty() ? "no answer" : c.options[0]);
  }
}

TEST_F(GetTest, AnItemThatIsNotThereStopsTheCommandBeforeAnyCopy) {
  WriteLocal("a.txt", "a");
  ASSERT_EQ(RunCommands("put a.txt").exitCode, 0);
  THostResult get = RunCommands("get a.txt nothing.txt out");
  EXPECT_EQ(get.exitCode, 1);
  EXPECT_NE(get.err.find("no such item: \\nothing.txt"), std::string::npos) << get.err;
  EXPECT_FALSE(fs::exists(Local("out")));
}

}  // namespace
}  // namespace host_testing
