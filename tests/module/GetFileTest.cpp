// Copying catalogued files out through FsGetFile.
#include <gtest/gtest.h>

#include <filesystem>

#include "module/ItemFixture.h"

namespace testing_support {
namespace {

namespace fs = std::filesystem;

constexpr const char* kItemLine = "beach.jpg <?Author?>Ann\r\n";
constexpr const char* kFolderLine = "Photos <?Place?>Coast\r\n";

class GetFile : public TItemFixture {
 protected:
  void SetUp() override {
    TItemFixture::SetUp();
    realFile = LocalFile("Pics/beach.jpg", "sand");
    AddItem("\\Photos", Local("Pics"), 16);
    AddProperty("\\Photos", "Place", "Coast");
    AddItem("\\Photos\\beach.jpg", realFile);
    AddProperty("\\Photos\\beach.jpg", "Author", "Ann");
    AddItem("\\Photos\\gone.jpg", Local("Pics/gone.jpg"));
    AddVirtualFolder("\\Photos\\Sub");
    ClearOut();
  }

  void ClearOut() {
    fs::remove_all(dir.Path() / "out");
    fs::create_directories(dir.Path() / "out" / "Out");
  }
  std::string Out(const std::string& relative) { return (dir.Path() / "out" / relative).string(); }
  static std::string ContentOr(const std::string& path, const std::string& missing) {
    return fs::exists(path) ? ReadFile(path) : missing;
  }

  std::string realFile;
};

TEST_F(GetFile, ResultOfEveryWay) {
  constexpr int32_t kOverwrite = FS_COPYFLAGS_OVERWRITE;
  constexpr int32_t kMove = FS_COPYFLAGS_MOVE;
  struct TCase {
    const char* what;
    const char* remote;
    const char* local;  // under the test's directory
    int32_t flags;
    const char* existing;  // the target's content before, nullptr: no target
    int32_t result;
    const char* content;  // the target's content after, nullptr: no target
    std::vector<int32_t> progress;
    const char* itemLine;  // the description file beside the copy, nullptr: none
  };
  const TCase cases[] = {
      {"copied", "\\Photos\\beach.jpg", "out/Out/beach.jpg", 0, nullptr, 0, "sand", {0, 100}, kItemLine},
      {"target exists", "\\Photos\\beach.jpg", "out/Out/beach.jpg", 0, "old", 1, "old", {0}, kItemLine},
      {"overwrite", "\\Photos\\beach.jpg", "out/Out/beach.jpg", kOverwrite, "old", 0, "sand", {0, 100}, kItemLine},
      {"move and overwrite", "\\Photos\\beach.jpg", "out/Out/beach.jpg", kMove | kOverwrite, "old", 0, "sand",
       {0, 100}, kItemLine},
      {"move", "\\Photos\\beach.jpg", "out/Out/beach.jpg", kMove, nullptr, 0, "sand", {0, 100}, kItemLine},
      {"move onto an existing target", "\\Photos\\beach.jpg", "out/Out/beach.jpg", kMove, "old", 1, "old", {0},
       kItemLine},
      {"real file missing", "\\Photos\\gone.jpg", "out/Out/gone.jpg", 0, nullptr, 2, nullptr, {0}, nullptr},
      {"no such item", "\\Photos\\none.jpg", "out/Out/none.jpg", 0, nullptr, 0, nullptr, {}, nullptr},
      {"no real path", "\\Photos\\Sub", "out/Out/Sub", 0, nullptr, 2, nullptr, {}, nullptr},
      // Copying a file onto itself is an error outside the named ones.
      {"onto the real file", "\\Photos\\beach.jpg", "disk/Pics/beach.jpg", kOverwrite, "sand", 3, "sand", {0},
       nullptr},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string local = (dir.Path() / c.local).string();
    if (c.existing) WriteFile(local, c.existing);

    EXPECT_EQ(Get(c.remote, local, c.flags), c.result);

    EXPECT_EQ(ContentOr(local, "<none>"), c.content ? c.content : "<none>");
    EXPECT_EQ(ProgressPercents(), c.progress);
    EXPECT_EQ(ContentOr(Out("Out/descript.ion"), "<none>"), c.itemLine ? c.itemLine : "<none>");
    // A get never takes anything away: the item and its real file stay.
    EXPECT_EQ(ReadFile(realFile), "sand");
    EXPECT_EQ(RowCount(), 4u);
    EXPECT_EQ(MessageCount(), 0u);
    ClearOut();
    HostRecord().Reset();
  }
}

TEST_F(GetFile, ReportsProgressWithTheRemoteAndLocalName) {
  std::string local = Out("Out/beach.jpg");
  EXPECT_EQ(Get("\\Photos\\beach.jpg", local), 0);
  std::vector<TProgressReport> expected = {{7, "\\Photos\\beach.jpg", local, 0},
                                           {7, "\\Photos\\beach.jpg", local, 100}};
  EXPECT_EQ(HostRecord().progress, expected);
}

TEST_F(GetFile, WritesTheLinesBesideTheCopyAndTheFolderLineOneLevelUp) {
  WriteFile(Out("Out/descript.ion"), "other.jpg Stays\r\nbeach.jpg Old line\r\n");

  EXPECT_EQ(Get("\\Photos\\beach.jpg", Out("Out/beach.jpg")), 0);

  EXPECT_EQ(ReadFile(Out("Out/descript.ion")), std::string("other.jpg Stays\r\n") + kItemLine);
  EXPECT_EQ(ReadFile(Out("descript.ion")), kFolderLine);
}

TEST_F(GetFile, LocalNameInsideTheCatalogCopiesTheItemThere) {
  const std::string target = "\\\\\\Bindershelf\\Archive\\beach.jpg";
  struct TCase {
    const char* what;
    int32_t flags;
    int32_t result;
    std::vector<int32_t> progress;
  };
  const TCase cases[] = {
      {"new", 0, 0, {0, 0, 100, 100}},
      {"exists", 0, 1, {0, 0, 100}},
      {"exists, overwrite", FS_COPYFLAGS_OVERWRITE, 0, {0, 0, 100, 100}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Get("\\Photos\\beach.jpg", target, c.flags), c.result);
    EXPECT_EQ(ProgressPercents(), c.progress);
    HostRecord().Reset();
  }
  TRow copy = Row("\\Archive\\beach.jpg");
  EXPECT_EQ(copy.Text("PTHor"), realFile);
  EXPECT_EQ(copy.Text("ParID"), "\\Archive");
  EXPECT_EQ(MessageCount(), 0u);

  // The rename reports with the catalog paths between the get's own reports.
  probe->Execute("delete from fs where id=\"\\Archive\\beach.jpg\"");
  probe->Execute("delete from cats where it=\"\\Archive\\beach.jpg\"");
  EXPECT_EQ(Get("\\Photos\\beach.jpg", target), 0);
  std::vector<TProgressReport> expected = {{7, "\\Photos\\beach.jpg", target, 0},
                                           {7, "\\Photos\\beach.jpg", "\\Archive\\beach.jpg", 0},
                                           {7, "\\Photos\\beach.jpg", "\\Archive\\beach.jpg", 100},
                                           {7, "\\Photos\\beach.jpg", target, 100}};
  EXPECT_EQ(HostRecord().progress, expected);
  EXPECT_EQ(Properties("\\Archive\\beach.jpg"), std::vector<std::string>{"Author=Ann"});
  // Nothing is written on disk for a copy inside the catalog.
  EXPECT_FALSE(fs::exists(Out("descript.ion")));
  EXPECT_FALSE(fs::exists(Local("descript.ion")));
  EXPECT_FALSE(fs::exists(Local("Pics/descript.ion")));
}

}  // namespace
}  // namespace testing_support
