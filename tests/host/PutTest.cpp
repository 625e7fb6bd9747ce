// put: files and trees into the catalog, the destination's forms, overwrite answers.
#include <filesystem>

#include "HostRunner.h"

namespace host_testing {
namespace {

namespace fs = std::filesystem;
using TNames = std::vector<std::string>;

class PutTest : public THostTest {
 protected:
  void SetUp() override {
    REQUIRE_MODULE_EXPORTS("FsFindFirst", "FsFindNext", "FsFindClose", "FsMkDir", "FsPutFile");
  }
  TNames NamesIn(const std::string& folder) const {
    THostResult run = RunCommands("ls \"" + folder + "\"");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return ListedNames(run.out);
  }
};

TEST_F(PutTest, ASingleFileGoesIntoTheCurrentFolderIntoAFolderOrUnderANewName) {
  WriteLocal("in/beach photo.jpg", "sand");
  THostResult run = RunCommands(
      "mkdir Trip; cd Trip; put \"in/beach photo.jpg\"; put \"in/beach photo.jpg\" /;"
      "put \"in/beach photo.jpg\" sea.jpg; put \"in/beach photo.jpg\" \\Trip");
  // The last put meets its own earlier copy and nobody may be asked.
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("\\Trip\\beach photo.jpg exists"), std::string::npos) << run.err;
  EXPECT_EQ(NamesIn("\\"), (TNames{"Trip", "beach photo.jpg"}));
  EXPECT_EQ(NamesIn("\\Trip"), (TNames{"beach photo.jpg", "sea.jpg"}));
  // One progress bar per file, counting it done.
  EXPECT_NE(run.out.find("] 1/1 100% beach photo.jpg"), std::string::npos) << run.out;
}

TEST_F(PutTest, ATreeArrivesWithItsFoldersAndEveryFile) {
  WriteLocal("Photos/a.jpg", "aa");
  WriteLocal("Photos/2024/b.jpg", "bbb");
  WriteLocal("Photos/2024/May/c.jpg", "c");
  fs::create_directories(Local("Photos/Empty"));
  THostResult run = RunCommands("put Photos");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("] 3/3 100% "), std::string::npos) << run.out;
  EXPECT_EQ(NamesIn("\\"), (TNames{"Photos"}));
  EXPECT_EQ(NamesIn("\\Photos"), (TNames{"2024", "Empty", "a.jpg"}));
  EXPECT_EQ(NamesIn("\\Photos\\2024"), (TNames{"May", "b.jpg"}));
  EXPECT_EQ(NamesIn("\\Photos\\2024\\May"), (TNames{"c.jpg"}));
  EXPECT_EQ(NamesIn("\\Photos\\Empty"), TNames{});
}

TEST_F(PutTest, SeveralSourcesGoIntoTheDestinationFolderWhichIsMadeWhenMissing) {
  WriteLocal("one.txt", "1");
  WriteLocal("two.txt", "22");
  WriteLocal("tree/three.txt", "333");
  THostResult run = RunCommands("put one.txt two.txt tree New; put tree Renamed");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(NamesIn("\\"), (TNames{"New", "Renamed"}));
  EXPECT_EQ(NamesIn("\\New"), (TNames{"tree", "one.txt", "two.txt"}));
  EXPECT_EQ(NamesIn("\\New\\tree"), (TNames{"three.txt"}));
  // One directory onto a name that is no folder arrives under that name.
  EXPECT_EQ(NamesIn("\\Renamed"), (TNames{"three.txt"}));
}

TEST_F(PutTest, AnExistingItemIsReplacedOnlyWhenTheAnswerIsYes) {
  struct TCase {
    std::vector<std::string> options;
    int exitCode;
    const char* size;
  };
  const TCase cases[] = {
      {{}, 1, "5"},
      {{"--overwrite=no"}, 0, "5"},
      {{"--overwrite=yes"}, 0, "9"},
      {{"-y"}, 0, "9"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const TCase& c = cases[i];
    std::string name = "f" + std::to_string(i) + ".txt";
    WriteLocal(name, "first");
    ASSERT_EQ(RunCommands("put " + name).exitCode, 0);
    WriteLocal(name, "the other");
    THostResult again = RunCommands("put " + name, c.options);
    EXPECT_EQ(again.exitCode, c.exitCode) << again.err;
    THostResult list = RunCommands("ls " + name);
    std::vector<TListedEntry> entries = ParseListing(list.out);
    ASSERT_EQ(entries.size(), 1u) << list.out;
    EXPECT_EQ(entries[0].size, c.size) << (c.options.empty() ? "no answer" : c.options[0]);
  }
}

TEST_F(PutTest, NothingIsPutWhenTheSourcesOrTheDestinationCannotBe) {
  WriteLocal("here.txt", "h");
  WriteLocal("tree/x.txt", "x");
  ASSERT_EQ(RunCommands("put here.txt").exitCode, 0);
  struct TCase {
    const char* command;
    const char* error;
  };
  const TCase cases[] = {
      {"put here.txt absent.txt \\", "no such local file or directory: absent.txt"},
      {"put here.txt tree here.txt", "not a folder: \\here.txt"},
      {"put tree here.txt", "not a folder: \\here.txt"},
  };
  for (const TCase& c : cases) {
    THostResult run = RunCommands(c.command);
    EXPECT_EQ(run.exitCode, 1) << c.command;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
  }
  EXPECT_EQ(NamesIn("\\"), TNames{"here.txt"});
}

}  // namespace
}  // namespace host_testing
