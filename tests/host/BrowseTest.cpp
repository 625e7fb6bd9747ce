// Moving about the catalog and listing it: folders made with mkdir, paths typed with
// either separator and with blanks, the listing's columns and icon marks.
#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "HostRunner.h"

namespace host_testing {
namespace {

namespace fs = std::filesystem;
using TNames = std::vector<std::string>;

class BrowseTest : public THostTest {};

TEST_F(BrowseTest, RelativePathsAndBothSeparatorsReachTheSameFolders) {
  REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir");
  THostResult run = RunCommands(
      "mkdir Docs \"My Docs\" 'Docs/2024'; mkdir \\Docs\\2024\\May;"
      "cd Docs; pwd; cd 2024/May; pwd; cd ..; pwd; cd ../..; pwd;"
      "cd \"/My Docs\"; pwd; cd \\Docs\\2024\\; pwd; cd; pwd");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Catalog root: Bindershelf\n\\Docs\n\\Docs\\2024\\May\n\\Docs\\2024\n\\\n\\My Docs\n"
                     "\\Docs\\2024\n\\\n");
}

TEST_F(BrowseTest, ListsFoldersFirstAndAnEmptyFolderAsNothing) {
  REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir");
  THostResult run = RunCommands("ls; mkdir b \"a folder\" C; ls; ls C; mkdir C/inner; cd C; ls; ls ..");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ListedNames(run.out), (TNames{"a folder", "b", "C", "inner", "a folder", "b", "C"}));
}

TEST_F(BrowseTest, CdRefusesWhatIsNoFolder) {
  REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile");
  WriteLocal("a.txt", "x");
  THostResult intoFile = RunCommands("put a.txt; cd a.txt");
  EXPECT_EQ(intoFile.exitCode, 1);
  EXPECT_NE(intoFile.err.find("cd: not a folder: \\a.txt"), std::string::npos) << intoFile.err;
  THostResult nowhere = RunCommands("mkdir Docs; cd Doc");
  EXPECT_EQ(nowhere.exitCode, 1);
  EXPECT_NE(nowhere.err.find("cd: no such item: \\Doc"), std::string::npos) << nowhere.err;
}

TEST_F(BrowseTest, ShowsSizeWriteTimeAndAttributesOfEachEntry) {
  REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile");
  WriteLocal("small.txt", "12345");
  WriteLocal("readonly.txt", "");
  fs::permissions(Local("readonly.txt"), fs::perms::owner_read);
  // A sparse file beyond 4 GiB needs both halves of the size.
  { std::ofstream(Local("big.bin")); }
  fs::resize_file(Local("big.bin"), 5'000'000'000ull);
  // 2024-04-10 14:10:00 UTC; the host runs with TZ=UTC.
  for (const char* name : {"small.txt", "readonly.txt", "big.bin"}) {
    struct timespec times[2] = {{1712758200, 0}, {1712758200, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, Local(name).c_str(), times, 0), 0);
  }
  THostResult run = RunCommands("mkdir Empty; put small.txt; put readonly.txt; put big.bin; ls");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<TListedEntry> entries = ParseListing(run.out);
  ASSERT_EQ(entries.size(), 4u) << run.out;
  EXPECT_EQ(entries[0].name, "Empty");
  EXPECT_EQ(entries[0].size, "<DIR>");
  EXPECT_EQ(entries[0].time, std::string(19, ' '));  // a folder made in the catalog has no times
  EXPECT_EQ(entries[0].attributes, "d----");
  EXPECT_EQ(entries[1].name, "big.bin");
  EXPECT_EQ(entries[1].size, "5000000000");
  EXPECT_EQ(entries[3].name, "small.txt");
  EXPECT_EQ(entries[3].size, "5");
  EXPECT_EQ(entries[3].time, "2024-04-10 14:10:00");
  EXPECT_EQ(entries[3].attributes, "----a");
  EXPECT_EQ(entries[2].name, "readonly.txt");
  EXPECT_EQ(entries[2].size, "0");
  EXPECT_EQ(entries[2].attributes, "-r--a");
}

TEST_F(BrowseTest, MarksItemsWhoseRealFileIsMissingOrAbsent) {
  REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile", "FsExtractCustomIcon");
  WriteLocal("kept.txt", "k");
  WriteLocal("gone.txt", "g");
  ASSERT_EQ(RunCommands("mkdir Virtual; put kept.txt; put gone.txt").exitCode, 0);
  fs::remove(Local("gone.txt"));
  THostResult run = RunCommands("ls");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<TListedEntry> entries = ParseListing(run.out);
  ASSERT_EQ(entries.size(), 3u) << run.out;
  EXPECT_EQ(entries[0].name + entries[0].mark, "Virtual-virtual");
  EXPECT_EQ(entries[1].name + entries[1].mark, "gone.txt!missing");
  EXPECT_EQ(entries[2].name + entries[2].mark, "kept.txt");
}

TEST_F(BrowseTest, ListsASingleFileByItsPath) {
  REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile");
  WriteLocal("a.txt", "abc");
  THostResult run = RunCommands("mkdir D; put a.txt D; cd D; ls a.txt; ls /D/a.txt; ls nothing");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(ListedNames(run.out), (TNames{"a.txt", "a.txt"}));
  EXPECT_NE(run.err.find("ls: no such item: \\D\\nothing"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace host_testing
