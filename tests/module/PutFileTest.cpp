// Recording local files in the catalog through FsPutFile.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <optional>

#include "module/ItemFixture.h"
#include "support/ScopedVariable.h"

namespace testing_support {
namespace {

namespace fs = std::filesystem;

// Catalog times of the fixture's local time zone, three hours east of UTC.
constexpr const char* kZone = "BSH-3";
// 2021-03-04 05:06:07.890 UTC is 08:06:07.890 local, day 44259 of the catalog.
constexpr int64_t kWriteSeconds = 1614834367;
const double kWriteCatalogTime = 44259 + (8 * 3600 + 6 * 60 + 7.890) / 86400;
// 1999-12-31 23:59:59.500 UTC is already 2000-01-01 02:59:59.500 local, day 36526.
constexpr int64_t kAccessSeconds = 946684799;
const double kAccessCatalogTime = 36526 + (2 * 3600 + 59 * 60 + 59.5) / 86400;
constexpr double kMillisecond = 1.0 / 86'400'000;

void SetTimes(const std::string& path) {
  struct timespec times[2] = {{kAccessSeconds, 500'000'000}, {kWriteSeconds, 890'000'000}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

class PutFile : public TItemFixture {
 protected:
  TScopedVariable zone{"TZ", kZone};
};

TEST_F(PutFile, RecordsTheLocalFileAsARowAndReportsProgress) {
  std::string local = LocalFile("Photos/beach.jpg", "twelve bytes");
  SetTimes(local);

  EXPECT_EQ(Put(local, "\\beach.jpg"), 0);

  TRow row = Row("\\beach.jpg");
  ASSERT_TRUE(row.Exists());
  EXPECT_EQ(row.Text("ID"), "\\beach.jpg");
  EXPECT_EQ(row.Text("Name"), "beach.jpg");
  EXPECT_EQ(row.Text("PTHor"), local);
  EXPECT_EQ(row.Text("ParID"), "");
  EXPECT_EQ(row.Text("FileAttr"), "32");
  EXPECT_NEAR(row.Number("LastWrite"), kWriteCatalogTime, kMillisecond / 2);
  EXPECT_NEAR(row.Number("LastAccess"), kAccessCatalogTime, kMillisecond / 2);
  // ext4 and tmpfs keep a birth time (just now); without one it is the last write time.
  double now = 25569 + (std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count() +
                        3 * 3600) / 86400;
  double creation = row.Number("CreationTime");
  EXPECT_TRUE(std::fabs(creation - now) < 600.0 / 86400 || std::fabs(creation - kWriteCatalogTime) < kMillisecond)
      << creation;
  EXPECT_EQ(row.Text("lwFileSize"), "12");
  EXPECT_EQ(row.Text("upFileSize"), "0");
  for (const char* unset : {"PTH", "DSC", "fnd", "Type"}) EXPECT_TRUE(row.IsNull(unset)) << unset;

  std::vector<TProgressReport> expected = {{7, local, "\\beach.jpg", 0}, {7, local, "\\beach.jpg", 100}};
  EXPECT_EQ(HostRecord().progress, expected);
  EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(PutFile, StoresAttributesAndBothHalvesOfTheSize) {
  struct TCase {
    const char* name;
    fs::perms permissions;
    uintmax_t size;
    const char* attributes;
    const char* low;
    const char* high;
  };
  const auto rw = fs::perms::owner_read | fs::perms::owner_write;
  const TCase cases[] = {
      {"empty.txt", rw, 0, "32", "0", "0"},
      {"readonly.txt", fs::perms::owner_read, 5, "33", "5", "0"},
      {".hidden", rw, 5, "34", "5", "0"},
      // 3 GiB: the low half has its top bit set and is stored negative.
      {"three.bin", rw, 3ull << 30, "32", "-1073741824", "0"},
      // 5 GiB + 7: the high half is 1.
      {"five.bin", rw, (5ull << 30) + 7, "32", "1073741831", "1"},
  };
  for (const TCase& c : cases) {
    std::string local = LocalFile(c.name, "");
    fs::resize_file(local, c.size);  // sparse: no disk space is taken
    fs::permissions(local, c.permissions);
    std::string remote = std::string("\\") + c.name;
    EXPECT_EQ(Put(local, remote), 0) << c.name;
    TRow row = Row(remote);
    ASSERT_TRUE(row.Exists()) << c.name;
    EXPECT_EQ(row.Text("FileAttr"), c.attributes) << c.name;
    EXPECT_EQ(row.Text("lwFileSize"), c.low) << c.name;
    EXPECT_EQ(row.Text("upFileSize"), c.high) << c.name;
  }
}

TEST_F(PutFile, LinksTheVirtualFoldersAboveLevelByLevel) {
  // \A\B pairs with disk/Photos/2021, \A with disk/Photos. Folder lines are found under
  // the catalog-side names, in the description file one level up.
  LocalFile("descript.ion", "Photos by local name\r\nA <?Place?>Coast\r\n");
  LocalFile("Photos/descript.ion", "B Summer\r\n");
  std::string first = LocalFile("Photos/2021/beach.jpg");
  std::string second = LocalFile("Photos/2021/sea.jpg");
  fs::permissions(Local("Photos"), fs::perms::owner_read | fs::perms::owner_exec);
  SetTimes(Local("Photos/2021"));
  AddVirtualFolder("\\A");
  AddVirtualFolder("\\A\\B");
  AddProperty("|COPY|", "Project", "Alpha");

  EXPECT_EQ(Put(first, "\\A\\B\\beach.jpg"), 0);

  TRow a = Row("\\A");
  EXPECT_EQ(a.Text("PTHor"), Local("Photos"));
  EXPECT_EQ(a.Text("FileAttr"), "17");  // a directory its owner may not write
  EXPECT_EQ(a.Text("ParID"), "");
  EXPECT_EQ(Properties("\\A"), (std::vector<std::string>{"Place=Coast", "Project=Alpha"}));
  TRow b = Row("\\A\\B");
  EXPECT_EQ(b.Text("PTHor"), Local("Photos/2021"));
  EXPECT_EQ(b.Text("Name"), "B");
  EXPECT_EQ(b.Text("FileAttr"), "16");
  EXPECT_NEAR(b.Number("LastWrite"), kWriteCatalogTime, kMillisecond / 2);
  EXPECT_EQ(b.Text("lwFileSize"), "0");
  EXPECT_EQ(Properties("\\A\\B"), (std::vector<std::string>{"Project=Alpha", "dsc=Summer"}));
  EXPECT_EQ(Row("\\A\\B\\beach.jpg").Text("ParID"), "\\A\\B");
  EXPECT_EQ(Properties("|COPY|"), std::vector<std::string>{"Project=Alpha"});

  // Once linked, a folder is left alone by later puts.
  probe->Execute("delete from cats where it=\"\\A\\B\"");
  EXPECT_EQ(Put(second, "\\A\\B\\sea.jpg"), 0);
  EXPECT_EQ(Properties("\\A\\B"), std::vector<std::string>{});
  EXPECT_EQ(Properties("\\A"), (std::vector<std::string>{"Place=Coast", "Project=Alpha"}));
  EXPECT_EQ(MessageCount(), 0u);
  fs::permissions(Local("Photos"), fs::perms::owner_all);
}

TEST_F(PutFile, LeavesAFolderVirtualWhenItsLocalDirectoryIsHidden) {
  std::string local = LocalFile(".cache/x.txt");
  AddVirtualFolder("\\H");
  EXPECT_EQ(Put(local, "\\H\\x.txt"), 0);
  EXPECT_TRUE(Row("\\H").IsNull("PTHor"));
  EXPECT_TRUE(Row("\\H\\x.txt").Exists());
}

TEST_F(PutFile, TakesTheDescriptionLineOfTheNameInTheCatalog) {
  LocalFile("Photos/descript.ion", "beach.jpg Local name\r\nsea.jpg <?Author?>Ann<?Year?>1999\r\n");
  std::string local = LocalFile("Photos/beach.jpg");
  AddItem("\\Trip", Local("Photos"), 16);

  EXPECT_EQ(Put(local, "\\Trip\\sea.jpg"), 0);

  TRow row = Row("\\Trip\\sea.jpg");
  EXPECT_EQ(row.Text("Name"), "sea.jpg");
  EXPECT_EQ(row.Text("PTHor"), local);
  EXPECT_EQ(row.Text("ParID"), "\\Trip");
  EXPECT_EQ(Properties("\\Trip\\sea.jpg"), (std::vector<std::string>{"Author=Ann", "Year=1999"}));
}

TEST_F(PutFile, RecordsNoFileNamedLikeTheDescriptionFile) {
  std::string local = LocalFile("descript.ion", "x.txt Some line\r\n");
  EXPECT_EQ(Put(local, "\\descript.ion"), 0);
  EXPECT_FALSE(Row("\\descript.ion").Exists());
  EXPECT_TRUE(HostRecord().progress.empty());

  // The comparison is exact: another spelling is an ordinary file.
  EXPECT_EQ(Put(local, "\\DESCRIPT.ION"), 0);
  EXPECT_EQ(Row("\\DESCRIPT.ION").Text("PTHor"), local);
  EXPECT_EQ(ProgressPercents(), (std::vector<int32_t>{0, 100}));
}

TEST_F(PutFile, OntoAnExistingItem) {
  struct TCase {
    const char* what;
    int32_t flags;
    const char* descriptionLine;  // for the new local file
    int32_t result;
    bool replaced;
    std::vector<std::string> properties;
    size_t messages;
  };
  const TCase cases[] = {
      {"without overwrite", 0, "a.txt New", 1, false, {"Keep=old"}, 0},
      {"with overwrite", FS_COPYFLAGS_OVERWRITE, "a.txt New", 0, true, {"Keep=old", "dsc=New"}, 0},
      {"with a category the item has", FS_COPYFLAGS_OVERWRITE, "a.txt <?Keep?>new", 0, true, {"Keep=old"}, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string old = LocalFile("old/a.txt", "old");
    std::string fresh = LocalFile("new/a.txt", "new content");
    LocalFile("new/descript.ion", std::string(c.descriptionLine) + "\r\n");
    ASSERT_EQ(Put(old, "\\a.txt"), 0);
    AddProperty("\\a.txt", "Keep", "old");
    HostRecord().Reset();

    EXPECT_EQ(Put(fresh, "\\a.txt", c.flags), c.result);

    TRow row = Row("\\a.txt");
    EXPECT_EQ(row.Text("PTHor"), c.replaced ? fresh : old);
    EXPECT_EQ(row.Text("lwFileSize"), c.replaced ? "11" : "3");
    EXPECT_EQ(Properties("\\a.txt"), c.properties);
    EXPECT_EQ(MessageCount(), c.messages);
    EXPECT_EQ(ProgressPercents(), (std::vector<int32_t>{0, 100}));
    probe->Execute("delete from fs");
    probe->Execute("delete from cats");
  }
}

TEST_F(PutFile, GivesTheCopySetAfterTheDescription) {
  LocalFile("descript.ion", "a.txt <?Project?>Beta\r\n");
  std::string a = LocalFile("a.txt");
  std::string b = LocalFile("b.txt");
  AddProperty("|COPY|", "Project", "Alpha");
  AddProperty("|COPY|", "Owner", "Ann");

  // The description's pair stands; the copy set's clash is shown, the item stays.
  EXPECT_EQ(Put(a, "\\a.txt"), 0);
  std::vector<std::string> ofA = Properties("\\a.txt");
  EXPECT_NE(std::find(ofA.begin(), ofA.end(), "Project=Beta"), ofA.end());
  EXPECT_EQ(std::find(ofA.begin(), ofA.end(), "Project=Alpha"), ofA.end());
  ASSERT_EQ(MessageCount(), 1u);
  EXPECT_EQ(HostRecord().requests[0].type, RT_MsgOK);
  EXPECT_EQ(HostRecord().requests[0].title, "Bindershelf");
  EXPECT_NE(HostRecord().requests[0].text.find("cats"), std::string::npos) << HostRecord().requests[0].text;

  EXPECT_EQ(Put(b, "\\b.txt"), 0);
  EXPECT_EQ(Properties("\\b.txt"), (std::vector<std::string>{"Owner=Ann", "Project=Alpha"}));
  EXPECT_EQ(Properties("|COPY|"), (std::vector<std::string>{"Owner=Ann", "Project=Alpha"}));
}

TEST_F(PutFile, MissingLocalFileIsAWriteErrorBeforeAnything) {
  AddProperty("|COPY|", "Project", "Alpha");
  EXPECT_EQ(Put(Local("gone.txt"), "\\gone.txt"), 4);
  EXPECT_EQ(RowCount(), 0u);
  EXPECT_TRUE(HostRecord().progress.empty());
  EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(PutFile, RowTheCatalogRefusesIsShownAndAWriteError) {
  std::string local = LocalFile("a.txt");
  AddProperty("|COPY|", "Project", "Alpha");
  std::string longName = "\\" + std::string(256, 'n');

  EXPECT_EQ(Put(local, longName), 4);

  EXPECT_EQ(RowCount(), 0u);
  EXPECT_EQ(Properties(longName), std::vector<std::string>{});
  EXPECT_EQ(MessageCount(), 1u);
  EXPECT_EQ(ProgressPercents(), (std::vector<int32_t>{0, 100}));
}

}  // namespace
}  // namespace testing_support

namespace testing_support {
namespace {

TEST_F(PutFile, AnOverwriteTheCatalogRefusesKeepsTheOldRow) {
  std::string old = LocalFile("old/a.txt", "old");
  // A real path longer than its column holds: the new row cannot be written.
  std::string tooLong = LocalFile(std::string(200, 'd') + "/" + std::string(60, 'e') + "/a.txt", "new");
  ASSERT_EQ(Put(old, "\\a.txt"), 0);
  AddProperty("\\a.txt", "Keep", "old");
  std::string counter = Row("\\a.txt").Text("IDC");
  HostRecord().Reset();

  EXPECT_EQ(Put(tooLong, "\\a.txt", FS_COPYFLAGS_OVERWRITE), 4);

  TRow row = Row("\\a.txt");
  ASSERT_TRUE(row.Exists());
  EXPECT_EQ(row.Text("PTHor"), old);
  EXPECT_EQ(row.Text("lwFileSize"), "3");
  EXPECT_EQ(row.Text("IDC"), counter);
  EXPECT_EQ(Properties("\\a.txt"), std::vector<std::string>{"Keep=old"});
  EXPECT_EQ(MessageCount(), 1u);
}

}  // namespace
}  // namespace testing_support
