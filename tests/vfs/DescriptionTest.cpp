#include "vfs/Description.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "catalog/Schema.h"
#include "platform/os/FaultInjectingFileSystem.h"
#include "platform/os/FileSystem.h"
#include "plugin/Common.h"
#include "plugin/Startup.h"
#include "plugin/TextPieces.h"
#include "support/CoreCatalogFixture.h"
#include "support/TempDir.h"

namespace bindershelf::vfs {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::TTempDir;
using testing_support::WriteFile;
using TProperties = std::set<std::pair<std::string, std::string>>;

// A fresh catalog, and a local directory "out" in which the description files lie.
class DescriptionFiles : public testing_support::TCoreCatalogTest {
 protected:
  void SetUp() override {
    TCoreCatalogTest::SetUp();
    fs::create_directories(out);
  }

  static void Run(const std::string& statement) { CatalogConnection->Execute(statement); }
  static void AddItem(const std::string& id) {
    const auto [parent, name] = SplitAtLast(id, '\\');
    Run("insert into fs(ID,[Name],parid,Fileattr) values(" + Quoted(id) + "," + Quoted(name) + "," +
        Quoted(parent) + ",32)");
  }
  static void AddProperty(const std::string& id, const std::string& cat, const std::string& value) {
    Run("insert into cats(cat,[value],it) values(" + Quoted(cat) + "," + Quoted(value) + "," + Quoted(id) + ")");
  }
  // The item's pairs; "<null>" stands for a Null value.
  static TProperties Properties(const std::string& id) {
    ado::TADODataSet d;
    d.Connection = CatalogConnection.get();
    d.CommandText = "select cat,[value] from cats where it=" + Quoted(id);
    d.Open();
    TProperties pairs;
    for (; !d.Eof(); d.Next())
      pairs.insert({d.Fields(0).AsString(), d.Fields(1).IsNull() ? "<null>" : d.Fields(1).AsString()});
    return pairs;
  }
  static size_t CountRows(const std::string& query) {
    ado::TADODataSet d;
    d.Connection = CatalogConnection.get();
    d.CommandText = query;
    d.Open();
    size_t n = 0;
    for (; !d.Eof(); d.Next()) ++n;
    return n;
  }
  static std::set<std::string> Entries(const std::string& directory) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(directory)) names.insert(e.path().filename().string());
    return names;
  }

  const std::string out = dir / "out";
  const std::string descriptionFile = out + "/descript.ion";
};

using DescriptionImport = DescriptionFiles;
using DescriptionExport = DescriptionFiles;

TEST_F(DescriptionImport, TakesTheFirstLineThatNamesTheEntry) {
  struct TCase {
    const char* why;
    std::string file;
    std::string name;
    TProperties properties;
  };
  const TCase cases[] = {
      {"a longer name is another entry; a second line is not read",
       "a.txt.bak <?Bak?>1\r\nother <?x?>1\r\na.txt Holiday photos\r\na.txt <?Second?>2\r\n", "a.txt",
       {{"dsc", "Holiday photos"}}},
      {"a tab separates too", "a.txt\t<?Author?>Ann\n", "a.txt", {{"Author", "Ann"}}},
      {"a name with a blank is quoted", "my file.txt <?Wrong?>x\r\n\"my file.txt\" <?Author?>Ann\r\n",
       "my file.txt", {{"Author", "Ann"}}},
      {"a name without a blank is not", "\"plain.txt\" <?Wrong?>x\r\nplain.txt <?Author?>Ann\r\n", "plain.txt",
       {{"Author", "Ann"}}},
      {"names match case-sensitively", "A.TXT <?Wrong?>x\r\n", "a.txt", {}},
      {"a line of the name alone adds nothing", "a.txt\r\na.txt <?Wrong?>x\r\n", "a.txt", {}},
      {"Ctrl-Z ends the text", "x y\r\n\x1a" "a.txt <?Wrong?>x\r\n", "a.txt", {}},
      {"a multi-line value", "a.txt <?Note?>one\\ntwo\x04\xC2\r\n", "a.txt", {{"Note", "one\ntwo"}}},
  };
  int n = 0;
  for (const TCase& c : cases) {
    const std::string id = "\\item" + std::to_string(n++);
    WriteFile(descriptionFile, c.file);
    EXPECT_EQ(ImportDescription(out + "/" + c.name, c.name, id), 0) << c.why;
    EXPECT_EQ(Properties(id), c.properties) << c.why;
  }
  EXPECT_EQ(CountRows("select cat from CN"), 0u) << "imported categories are never offered for choice";
}

TEST_F(DescriptionImport, WithoutDescriptionFileAddsNothingAndSaysSo) {
  EXPECT_EQ(ImportDescription(out + "/a.txt", "a.txt", "\\a.txt"), 1);
  EXPECT_EQ(CountRows("select * from cats"), 0u);
}

TEST_F(DescriptionImport, RefusedPairEndsTheImportAndKeepsTheRowsBefore) {
  WriteFile(descriptionFile,
            "a.txt <?Author?>Ann<?Year?>1999<?Author?>Bob<?Note?>n\r\n"
            "b.txt <?Author?>Ann<?Year?>1999<?Note?>n\r\n");
  EXPECT_THROW(ImportDescription(out + "/a.txt", "a.txt", "\\a.txt"), ado::EDatabaseError);
  EXPECT_EQ(Properties("\\a.txt"), (TProperties{{"Author", "Ann"}, {"Year", "1999"}}));

  AddProperty("\\b.txt", "Year", "old");
  EXPECT_THROW(ImportDescription(out + "/b.txt", "b.txt", "\\b.txt"), ado::EDatabaseError);
  EXPECT_EQ(Properties("\\b.txt"), (TProperties{{"Author", "Ann"}, {"Year", "old"}}));
}

TEST_F(DescriptionImport, UnreadableFileRaises) {
  WriteFile(descriptionFile, "a.txt <?Author?>Ann\r\n");
  os::TFaultInjectingFileSystem faulty(os::FileSystem());
  os::TScopedFileSystem use(faulty);
  faulty.FailNext(os::TFileOperation::ReadFile, EACCES);
  EXPECT_THROW(ImportDescription(out + "/a.txt", "a.txt", "\\a.txt"), os::EOSError);
  EXPECT_EQ(CountRows("select * from cats"), 0u);
}

TEST_F(DescriptionExport, ReplacesTheEntryLineAtTheEndAndKeepsTheOthersInOrder) {
  WriteFile(descriptionFile,
            "first.txt <?x?>1\r\n"
            "a.txt old line\r\n"
            "a.txt.bak <?Bak?>1\n"
            "a.txt\tsecond old line\r\n"
            "last.txt plain\n");
  AddItem("\\a.txt");
  AddProperty("\\a.txt", "Author", "Ann");
  AddProperty("\\a.txt", "dsc", "Holiday photos");

  EXPECT_EQ(ExportDescription(out + "/a.txt", "\\a.txt"), 0);
  EXPECT_EQ(ReadFile(descriptionFile),
            "first.txt <?x?>1\r\n"
            "a.txt.bak <?Bak?>1\r\n"
            "last.txt plain\r\n"
            "a.txt <?Author?>Ann<?dsc?>Holiday photos\r\n");
}

TEST_F(DescriptionExport, ItemWithoutPropertiesLeavesTheFileAsItWas) {
  const std::string before = "a.txt old line\nb.txt\r\n";
  WriteFile(descriptionFile, before);
  AddItem("\\a.txt");
  EXPECT_EQ(ExportDescription(out + "/a.txt", "\\a.txt"), 1);
  EXPECT_EQ(ReadFile(descriptionFile), before);
}

TEST_F(DescriptionExport, MissingFileIsCreatedWithTheLineAlone) {
  AddItem("\\my file.txt");
  AddProperty("\\my file.txt", "Author", "Ann");
  Run("insert into cats(cat,it) values(\"Empty\",\"\\my file.txt\")");  // a Null value
  EXPECT_EQ(ExportDescription(out + "/local name.txt", "\\my file.txt"), 0);
  EXPECT_EQ(ReadFile(descriptionFile), "\"my file.txt\" <?Author?>Ann<?Empty?>\r\n");
  EXPECT_EQ(Entries(out), std::set<std::string>{"descript.ion"});
}

TEST_F(DescriptionExport, FolderLinesGoOutermostFirstIntoTheDirectoriesAbove) {
  AddProperty("\\Top", "dsc", "owned, but no item of the catalog");
  AddItem("\\Top\\Trip");
  AddItem("\\Top\\Trip\\Day 1");
  AddItem("\\Top\\Trip\\Day 1\\beach.jpg");
  AddProperty("\\Top\\Trip", "dsc", "Summer");
  AddProperty("\\Top\\Trip\\Day 1", "Author", "Ann");
  AddProperty("\\Top\\Trip\\Day 1\\beach.jpg", "Note", "sand");
  const std::string beach = out + "/trip/day1/beach.jpg";
  fs::create_directories(out + "/trip/day1");
  // The directory's own description file cannot be replaced: the lines above must
  // already be in place when that fails.
  fs::create_directories(out + "/trip/day1/descript.ion");

  EXPECT_THROW(ExportDescription(beach, "\\Top\\Trip\\Day 1\\beach.jpg"), os::EOSError);
  EXPECT_EQ(ReadFile(out + "/descript.ion"), "Trip <?dsc?>Summer\r\n");
  EXPECT_EQ(ReadFile(out + "/trip/descript.ion"), "\"Day 1\" <?Author?>Ann\r\n");

  fs::remove(out + "/trip/day1/descript.ion");
  EXPECT_EQ(ExportDescription(beach, "\\Top\\Trip\\Day 1\\beach.jpg"), 0);
  EXPECT_EQ(ReadFile(out + "/trip/day1/descript.ion"), "beach.jpg <?Note?>sand\r\n");
  EXPECT_EQ(ReadFile(out + "/descript.ion"), "Trip <?dsc?>Summer\r\n") << "rewritten, not added to";
  EXPECT_FALSE(fs::exists(dir / "descript.ion")) << "the walk stops where the catalog has no folder";
}

TEST_F(DescriptionExport, LineBreaksInValuesSurviveTheRoundTrip) {
  WriteFile(descriptionFile, "other.txt \\n stays\r\n");
  AddItem("\\notes.txt");
  AddProperty("\\notes.txt", "Note", "first\r\nsecond\\path\nthird");
  ASSERT_EQ(ExportDescription(out + "/notes.txt", "\\notes.txt"), 0);
  EXPECT_EQ(ReadFile(descriptionFile),
            "other.txt \\n stays\r\n"
            "notes.txt <?Note?>first\\nsecond\\\\path\\nthird\x04\xC2\r\n");

  ImportDescription(out + "/notes.txt", "notes.txt", "\\copy");
  EXPECT_EQ(Properties("\\copy"), (TProperties{{"Note", "first\nsecond\\path\nthird"}}));
  ImportDescription(out + "/other.txt", "other.txt", "\\other");
  EXPECT_EQ(Properties("\\other"), (TProperties{{"dsc", "\\n stays"}}));
}

TEST_F(DescriptionExport, FailedRewriteLeavesTheOldFileAndNoTemporary) {
  const std::string before = "a.txt old\nb.txt <?x?>1\r\n";
  WriteFile(descriptionFile, before);
  AddItem("\\a.txt");
  AddProperty("\\a.txt", "Author", "Ann");
  os::TFaultInjectingFileSystem faulty(os::FileSystem());
  os::TScopedFileSystem use(faulty);

  for (const auto operation : {os::TFileOperation::ReadFile, os::TFileOperation::CreateUniqueFile,
                               os::TFileOperation::Write, os::TFileOperation::Sync, os::TFileOperation::Close,
                               os::TFileOperation::RenameFile}) {
    const int callsBefore = faulty.Calls(operation);
    faulty.FailNext(operation, EIO);
    EXPECT_THROW(ExportDescription(out + "/a.txt", "\\a.txt"), os::EOSError);
    EXPECT_GT(faulty.Calls(operation), callsBefore) << static_cast<int>(operation);
    faulty.ClearFaults();
    EXPECT_EQ(ReadFile(descriptionFile), before) << static_cast<int>(operation);
    EXPECT_EQ(Entries(out), std::set<std::string>{"descript.ion"}) << static_cast<int>(operation);
  }
}

TEST_F(DescriptionExport, RewriteKeepsPermissionsAndLeavesALeftoverTemporaryAlone) {
  WriteFile(descriptionFile, "a.txt old\r\n");
  fs::permissions(descriptionFile, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string leftover = out + "/descript.$$$";
  WriteFile(leftover, "left by a crash\r\n");
  AddItem("\\a.txt");
  AddProperty("\\a.txt", "Author", "Ann");

  EXPECT_EQ(ExportDescription(out + "/a.txt", "\\a.txt"), 0);
  EXPECT_EQ(ReadFile(descriptionFile), "a.txt <?Author?>Ann\r\n");
  EXPECT_EQ(fs::status(descriptionFile).permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(ReadFile(leftover), "left by a crash\r\n");
  EXPECT_EQ(Entries(out), (std::set<std::string>{"descript.ion", "descript.$$$"}));
}

}  // namespace
}  // namespace bindershelf::vfs
