// open and the module's command line, both through FsExecuteFile.
#include <chrono>
#include <filesystem>
#include <thread>

#include "HostRunner.h"

namespace host_testing {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;

class ExecuteTest : public THostTest {
 protected:
  void SetUp() override {
    REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile", "FsExecuteFile");
  }
};

TEST_F(ExecuteTest, OpenHandsTheItemsRealFileToTheDesktopOpener) {
  // The opener the module starts records what it was given.
  WriteProgram("xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > \"" + Local("opened.txt") + "\"\n");
  WriteLocal("docs/read me.txt", "r");
  ASSERT_EQ(RunCommands("mkdir D; put \"docs/read me.txt\" D").exitCode, 0);
  THostResult run = RunCommands("cd D; open \"read me.txt\"");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // The opener is started without waiting for it.
  for (int i = 0; i < 500 && !fs::exists(Local("opened.txt")); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(ReadFile(Local("opened.txt")), Local("docs/read me.txt"));
}

TEST_F(ExecuteTest, OtherLinesGoToTheModulesCommandLineWithTheCurrentFolder) {
  WriteLocal("top.txt", "t");
  WriteLocal("inner/deep.txt", "d");
  ASSERT_EQ(RunCommands("put top.txt; mkdir Sub; put inner/deep.txt Sub").exitCode, 0);
  // The list command writes the real paths of the files under the current folder only.
  THostResult run = RunCommands("cd Sub; l below.txt; cd /; l all.txt; db archive");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFile(Local("below.txt")), Local("inner/deep.txt") + "\r\n");
  std::string all = ReadFile(Local("all.txt"));
  EXPECT_NE(all.find(Local("top.txt") + "\r\n"), std::string::npos) << all;
  EXPECT_NE(all.find(Local("inner/deep.txt") + "\r\n"), std::string::npos) << all;
  EXPECT_TRUE(fs::exists(ModuleDir() + "/archive.dat"));
}

TEST_F(ExecuteTest, TheHostGoesToTheFolderTheModuleNames) {
  // With no search result chosen the go command names the root.
  THostResult run = RunCommands("mkdir Sub; cd Sub; pwd; g; pwd");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Catalog root: Bindershelf\n\\Sub\n\\\n\\\n");
}

}  // namespace
}  // namespace host_testing
