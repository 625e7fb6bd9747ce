// Renaming, copying and moving items inside the catalog through FsRenMovFile.
#include <gtest/gtest.h>

#include <algorithm>

#include "module/ItemFixture.h"

namespace testing_support {
namespace {

// The columns a renamed item takes from its source.
const char* const kCopiedColumns[] = {"PTHor",     "FileAttr",   "CreationTime", "LastAccess",
                                      "LastWrite", "lwFileSize", "upFileSize"};

class RenMovFile : public TItemFixture {
 protected:
  void SetUp() override {
    TItemFixture::SetUp();
    AddItem("\\Docs", "/data/docs", 16);
    AddSourceItem("\\Docs\\a.txt");
    AddProperty("\\Docs\\a.txt", "Author", "Ann");
    AddProperty("\\Docs\\a.txt", "Year", "1999");
  }

  // An item with every column that a rename carries over set, and some that it does not.
  void AddSourceItem(const std::string& id) {
    AddItem(id, "/data/docs/a.txt", 33);
    probe->Execute("update fs set CreationTime=40000.25, LastAccess=40001.5, LastWrite=40002.75, lwFileSize=-5, "
                   "upFileSize=2, PTH=\"src pth\", DSC=\"src dsc\", fnd=1, [Type]=9 where id=" +
                   Q(id));
  }
  void ExpectSourceValues(const std::string& source, const std::string& target) {
    TRow from = Row(source);
    TRow to = Row(target);
    ASSERT_TRUE(to.Exists()) << target;
    for (const char* column : kCopiedColumns) EXPECT_EQ(to.Text(column), from.Text(column)) << column;
  }
};

TEST_F(RenMovFile, WritesTheItemUnderItsNewNameAndKeepsTheOld) {
  for (bool move : {false, true}) {
    SCOPED_TRACE(move ? "move" : "copy");
    EXPECT_EQ(RenMov("\\Docs\\a.txt", "\\Docs\\b.txt", move, false), 0);

    TRow row = Row("\\Docs\\b.txt");
    ExpectSourceValues("\\Docs\\a.txt", "\\Docs\\b.txt");
    EXPECT_EQ(row.Text("ID"), "\\Docs\\b.txt");
    EXPECT_EQ(row.Text("Name"), "b.txt");
    EXPECT_EQ(row.Text("ParID"), "\\Docs");
    for (const char* unset : {"PTH", "DSC", "fnd", "Type"}) EXPECT_TRUE(row.IsNull(unset)) << unset;
    EXPECT_EQ(Properties("\\Docs\\b.txt"), (std::vector<std::string>{"Author=Ann", "Year=1999"}));
    EXPECT_EQ(Row("\\Docs\\a.txt").Text("PTHor"), "/data/docs/a.txt");
    EXPECT_EQ(Properties("\\Docs\\a.txt"), (std::vector<std::string>{"Author=Ann", "Year=1999"}));
    std::vector<TProgressReport> expected = {{7, "\\Docs\\a.txt", "\\Docs\\b.txt", 0},
                                             {7, "\\Docs\\a.txt", "\\Docs\\b.txt", 100}};
    EXPECT_EQ(HostRecord().progress, expected);
    EXPECT_EQ(MessageCount(), 0u);

    probe->Execute("delete from fs where id=\"\\Docs\\b.txt\"");
    probe->Execute("delete from cats where it=\"\\Docs\\b.txt\"");
    HostRecord().Reset();
  }
}

TEST_F(RenMovFile, OntoAnExistingItem) {
  struct TCase {
    const char* what;
    bool overwrite;
    const char* targetCategory;  // the target's own property, "Author" clashes with the source
    int32_t result;
    bool written;
    std::vector<std::string> properties;
    size_t messages;
  };
  const TCase cases[] = {
      {"without overwrite", false, "Own", 1, false, {"Own=target"}, 0},
      {"with overwrite", true, "Own", 0, true, {"Author=Ann", "Own=target", "Year=1999"}, 0},
      {"with a category both have", true, "Author", 0, true, {}, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    AddItem("\\Docs\\b.txt", "/data/docs/b.txt", 32);
    probe->Execute("update fs set PTH=\"own pth\", DSC=\"own dsc\", fnd=0, [Type]=3 where id=\"\\Docs\\b.txt\"");
    AddProperty("\\Docs\\b.txt", c.targetCategory, "target");

    EXPECT_EQ(RenMov("\\Docs\\a.txt", "\\Docs\\b.txt", false, c.overwrite), c.result);

    TRow row = Row("\\Docs\\b.txt");
    if (c.written) {
      ExpectSourceValues("\\Docs\\a.txt", "\\Docs\\b.txt");
    } else {
      EXPECT_EQ(row.Text("PTHor"), "/data/docs/b.txt");
      EXPECT_EQ(row.Text("FileAttr"), "32");
    }
    EXPECT_EQ(row.Text("PTH"), "own pth");
    EXPECT_EQ(row.Text("DSC"), "own dsc");
    EXPECT_EQ(row.Text("fnd"), "0");
    EXPECT_EQ(row.Text("Type"), "3");
    std::vector<std::string> properties = Properties("\\Docs\\b.txt");
    if (c.messages == 0) {
      EXPECT_EQ(properties, c.properties);
    } else {
      EXPECT_NE(std::find(properties.begin(), properties.end(), "Author=target"), properties.end());
    }
    EXPECT_EQ(MessageCount(), c.messages);
    EXPECT_EQ(ProgressPercents(), (std::vector<int32_t>{0, 100}));

    probe->Execute("delete from fs where id=\"\\Docs\\b.txt\"");
    probe->Execute("delete from cats where it=\"\\Docs\\b.txt\"");
    HostRecord().Reset();
  }
}

TEST_F(RenMovFile, MissingSourceIsAReadErrorWithoutProgress) {
  EXPECT_EQ(RenMov("\\Docs\\none.txt", "\\Docs\\b.txt", false, false), 3);
  EXPECT_FALSE(Row("\\Docs\\b.txt").Exists());
  EXPECT_TRUE(HostRecord().progress.empty());
}

TEST_F(RenMovFile, RenamingAFolderWritesOnlyItsOwnRow) {
  AddProperty("\\Docs", "Place", "Office");
  EXPECT_EQ(RenMov("\\Docs", "\\Papers", false, false), 0);
  EXPECT_EQ(Row("\\Papers").Text("PTHor"), "/data/docs");
  EXPECT_EQ(Properties("\\Papers"), std::vector<std::string>{"Place=Office"});
  EXPECT_EQ(probe->Count("select id from fs where parid=\"\\Papers\""), 0u);
  EXPECT_EQ(Row("\\Docs\\a.txt").Text("ParID"), "\\Docs");
  EXPECT_EQ(RowCount(), 3u);
}

TEST_F(RenMovFile, TargetFolderWithoutRealPathTakesTheSourceFolderProperties) {
  struct TCase {
    const char* what;
    bool targetHasRealPath;
    const char* targetProperty;  // "" for none
    std::vector<std::string> expected;
  };
  const TCase cases[] = {
      {"virtual, no properties", false, "", {"Place=Office"}},
      {"virtual, a property of its own", false, "Own", {"Own=mine"}},
      {"linked", true, "", {}},
  };
  AddProperty("\\Docs", "Place", "Office");
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.targetHasRealPath) AddItem("\\B", "/data/b", 16);
    else AddVirtualFolder("\\B");
    if (*c.targetProperty) AddProperty("\\B", c.targetProperty, "mine");

    EXPECT_EQ(RenMov("\\Docs\\a.txt", "\\B\\a.txt", false, false), 0);

    EXPECT_EQ(Properties("\\B"), c.expected);
    EXPECT_EQ(Properties("\\B\\a.txt"), (std::vector<std::string>{"Author=Ann", "Year=1999"}));
    EXPECT_EQ(Row("\\B\\a.txt").Text("ParID"), "\\B");
    probe->Execute("delete from fs where id like \"\\B%\"");
    probe->Execute("delete from cats where it like \"\\B%\"");
  }
}

TEST_F(RenMovFile, FolderPropertiesPairUpSeveralLevels) {
  // Folders pair by position: \T3 with \S2, \T2 with \S1, \T1 with \S0. \T2 has a
  // property of its own and takes nothing, yet the walk goes on above it; \T0 has a real
  // path, so the walk ends below it.
  const char* const sources[] = {"\\SR", "\\SR\\S0", "\\SR\\S0\\S1", "\\SR\\S0\\S1\\S2"};
  for (const char* folder : sources) {
    AddItem(folder, "/src", 16);
    AddProperty(folder, "Level", std::string(folder).substr(std::string(folder).rfind('\\') + 1));
  }
  AddSourceItem("\\SR\\S0\\S1\\S2\\x.txt");
  AddItem("\\T0", "/t0", 16);
  AddVirtualFolder("\\T0\\T1");
  AddVirtualFolder("\\T0\\T1\\T2");
  AddProperty("\\T0\\T1\\T2", "Own", "mine");
  AddVirtualFolder("\\T0\\T1\\T2\\T3");

  EXPECT_EQ(RenMov("\\SR\\S0\\S1\\S2\\x.txt", "\\T0\\T1\\T2\\T3\\x.txt", false, false), 0);

  EXPECT_EQ(Properties("\\T0\\T1\\T2\\T3"), std::vector<std::string>{"Level=S2"});
  EXPECT_EQ(Properties("\\T0\\T1\\T2"), std::vector<std::string>{"Own=mine"});
  EXPECT_EQ(Properties("\\T0\\T1"), std::vector<std::string>{"Level=S0"});
  EXPECT_EQ(Properties("\\T0"), std::vector<std::string>{});
  EXPECT_EQ(Properties("\\T0\\T1\\T2\\T3\\x.txt"), std::vector<std::string>{});
}

TEST_F(RenMovFile, FolderWalkStopsWhereTheSourceSideEnds) {
  // The source lies one level under the root: only the target's own folder pairs up.
  AddItem("\\S", "/s", 16);
  AddSourceItem("\\S\\x.txt");
  AddProperty("\\S", "Level", "1");
  AddVirtualFolder("\\T0");
  AddVirtualFolder("\\T0\\T1");

  EXPECT_EQ(RenMov("\\S\\x.txt", "\\T0\\T1\\x.txt", false, false), 0);

  EXPECT_EQ(Properties("\\T0\\T1"), std::vector<std::string>{"Level=1"});
  EXPECT_EQ(Properties("\\T0"), std::vector<std::string>{});
}

TEST_F(RenMovFile, RowTheCatalogRefusesIsShownAndAWriteError) {
  std::string longName = "\\Docs\\" + std::string(300, 'n');
  EXPECT_EQ(RenMov("\\Docs\\a.txt", longName, false, false), 4);
  EXPECT_EQ(RowCount(), 2u);
  EXPECT_EQ(Properties(longName), std::vector<std::string>{});
  EXPECT_EQ(MessageCount(), 1u);
  EXPECT_EQ(ProgressPercents(), (std::vector<int32_t>{0, 100}));
}

}  // namespace
}  // namespace testing_support
