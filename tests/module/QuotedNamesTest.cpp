// Names that hold a double quote, the character that delimits values in statements,
// through put, rename, get, listing and deletion.
#include <gtest/gtest.h>

#include <filesystem>

#include "module/ItemFixture.h"

namespace testing_support {
namespace {

namespace fs = std::filesystem;

class PutRenGetQuotedNames : public TItemFixture {
 protected:
  void SetUp() override {
    TItemFixture::SetUp();
    LocalFile("descript.ion", "F\"x <?Kind?>folder\r\n");
    LocalFile("Q\"dir/descript.ion", "q\"uote.txt <?Who?>Ann\r\n");
    localFile = LocalFile("Q\"dir/q\"uote.txt", "quoted");
    AddVirtualFolder("\\F\"x");
    AddVirtualFolder("\\G\"y");
  }
  // Put, then copied inside the catalog to \G"y, as the listing and deletion find them.
  void PutAndRename() {
    ASSERT_EQ(Put(localFile, "\\F\"x\\q\"uote.txt"), 0);
    ASSERT_EQ(RenMov("\\F\"x\\q\"uote.txt", "\\G\"y\\q\"2.txt", false, false), 0);
  }

  std::string localFile;
};

TEST_F(PutRenGetQuotedNames, AreStoredAndFoundAsTheyAre) {
  ASSERT_EQ(Put(localFile, "\\F\"x\\q\"uote.txt"), 0);
  TRow put = Row("\\F\"x\\q\"uote.txt");
  EXPECT_EQ(put.Text("Name"), "q\"uote.txt");
  EXPECT_EQ(put.Text("PTHor"), localFile);
  EXPECT_EQ(put.Text("ParID"), "\\F\"x");
  EXPECT_EQ(Properties("\\F\"x\\q\"uote.txt"), std::vector<std::string>{"Who=Ann"});
  EXPECT_EQ(Row("\\F\"x").Text("PTHor"), Local("Q\"dir"));
  EXPECT_EQ(Properties("\\F\"x"), std::vector<std::string>{"Kind=folder"});

  ASSERT_EQ(RenMov("\\F\"x\\q\"uote.txt", "\\G\"y\\q\"2.txt", false, false), 0);
  TRow renamed = Row("\\G\"y\\q\"2.txt");
  EXPECT_EQ(renamed.Text("Name"), "q\"2.txt");
  EXPECT_EQ(renamed.Text("PTHor"), localFile);
  EXPECT_EQ(Properties("\\G\"y\\q\"2.txt"), std::vector<std::string>{"Who=Ann"});
  EXPECT_EQ(Properties("\\G\"y"), std::vector<std::string>{"Kind=folder"});

  std::string out = (dir.Path() / "out" / "O\"ut").string();
  fs::create_directories(out);
  EXPECT_EQ(Get("\\G\"y\\q\"2.txt", out + "/q\"2.txt"), 0);
  EXPECT_EQ(ReadFile(out + "/q\"2.txt"), "quoted");
  EXPECT_EQ(ReadFile(out + "/descript.ion"), "q\"2.txt <?Who?>Ann\r\n");
  EXPECT_EQ(ReadFile((dir.Path() / "out" / "descript.ion").string()), "G\"y <?Kind?>folder\r\n");
  EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(PutRenGetQuotedNames, AreListedAndDeleted) {
  auto findFirst = module->Export<decltype(FsFindFirst)>("FsFindFirst");
  auto findNext = module->Export<decltype(FsFindNext)>("FsFindNext");
  auto findClose = module->Export<decltype(FsFindClose)>("FsFindClose");
  auto deleteFile = module->Export<decltype(FsDeleteFile)>("FsDeleteFile");
  if (!findFirst || !findNext || !findClose || !deleteFile) GTEST_SKIP() << "the module cannot list or delete yet";
  PutAndRename();

  std::string folder = "\\G\"y\\";
  WIN32_FIND_DATAA entry{};
  std::vector<std::string> names;
  HANDLE listing = findFirst(folder.data(), &entry);
  ASSERT_NE(listing, INVALID_HANDLE_VALUE);
  do names.push_back(entry.cFileName);
  while (findNext(listing, &entry) == FS_TRUE);
  findClose(listing);
  EXPECT_EQ(names, std::vector<std::string>{"q\"2.txt"});

  std::string item = "\\F\"x\\q\"uote.txt";
  EXPECT_EQ(deleteFile(item.data()), FS_TRUE);
  EXPECT_FALSE(Row(item).Exists());
  EXPECT_EQ(Properties(item), std::vector<std::string>{});
  EXPECT_TRUE(Row("\\G\"y\\q\"2.txt").Exists());
}

}  // namespace
}  // namespace testing_support
