// Loading, starting and unloading the module through its exports.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "support/CatalogProbe.h"
#include "support/HostCallbacks.h"
#include "support/ModuleCopy.h"
#include "support/TempDir.h"

namespace testing_support {
namespace {

namespace fs = std::filesystem;

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    HostRecord().Reset();
    module = std::make_unique<TModuleCopy>(dir.Path().string());
  }
  TTempDir dir;
  std::unique_ptr<TModuleCopy> module;
};

TEST_F(Startup, FirstInitMakesTheCatalogWithItsThreeTables) {
  ASSERT_FALSE(fs::exists(module->CatalogFile()));
  EXPECT_EQ(module->InitWithRecorder(), 0);
  ASSERT_TRUE(fs::is_regular_file(module->CatalogFile()));
  EXPECT_TRUE(HostRecord().requests.empty());

  TCatalogProbe probe(module->CatalogFile());
  for (const char* table : {"fs", "cats", "CN"}) EXPECT_TRUE(probe.Connection.TableExists(table)) << table;
  EXPECT_EQ(probe.Count("select * from fs"), 0u);
}

TEST_F(Startup, SecondInitKeepsTheCatalog) {
  ASSERT_EQ(module->InitWithRecorder(), 0);
  {
    TCatalogProbe probe(module->CatalogFile());
    probe.Execute("insert into fs(ID,[Name],parid,Fileattr) values(\"\\Docs\",\"Docs\",\"\",16)");
  }
  EXPECT_EQ(module->InitWithRecorder(8), 0);
  TCatalogProbe probe(module->CatalogFile());
  EXPECT_EQ(probe.Column("select id from fs"), std::vector<std::string>{"\\Docs"});
}

TEST_F(Startup, RootNameFitsTheBuffer) {
  struct TCase {
    int32_t length;
    const char* expected;
  };
  const TCase cases[] = {{12, "Bindershelf"}, {100, "Bindershelf"}, {11, "Bindershel"}, {5, "Bind"}, {1, ""}};
  for (const TCase& c : cases) {
    char buffer[128];
    std::memset(buffer, 'x', sizeof buffer);
    module->GetDefRootName(buffer, c.length);
    EXPECT_STREQ(buffer, c.expected) << "length " << c.length;
    EXPECT_EQ(buffer[c.length], 'x') << "wrote past the buffer of length " << c.length;
  }
}

TEST_F(Startup, RootNameWithoutRoomWritesNothing) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  module->GetDefRootName(buffer, 0);
  module->GetDefRootName(buffer, -5);
  EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

TEST_F(Startup, DefaultParamsAreAcceptedBeforeAndAfterInit) {
  FsDefaultParamStruct params{};
  params.size = sizeof params;
  params.PluginInterfaceVersionHi = 2;
  std::strcpy(params.DefaultIniName, "/nonexistent/plugins.ini");
  module->SetDefaultParams(&params);
  EXPECT_EQ(module->InitWithRecorder(), 0);
  module->SetDefaultParams(&params);
  EXPECT_FALSE(fs::exists("/nonexistent/plugins.ini"));
}

TEST_F(Startup, UnloadBeforeInitLeavesNoCatalog) {
  module->Unload();
  EXPECT_FALSE(fs::exists(module->CatalogFile()));
}

// The catalog's write-ahead log goes away only when the last connection to it closes.
TEST_F(Startup, UnloadClosesTheConnection) {
  ASSERT_EQ(module->InitWithRecorder(), 0);
  ASSERT_TRUE(fs::exists(module->CatalogFile() + "-wal"));
  module->Unload();
  EXPECT_FALSE(fs::exists(module->CatalogFile() + "-wal"));
}

TEST(ModuleExports, NothingButEntryPointsOfTheInterface) {
  const std::set<std::string> interface = {
      "FsInit",      "FsFindFirst",  "FsFindNext", "FsFindClose",  "FsGetDefRootName",
      "FsMkDir",     "FsExecuteFile", "FsRenMovFile", "FsGetFile",  "FsPutFile",
      "FsDeleteFile", "FsRemoveDir", "FsExtractCustomIcon", "FsSetDefaultParams", "FsStatusInfo"};
  std::string command = std::string("nm -D --defined-only --format=posix ") + BINDERSHELF_MODULE_PATH;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> exported;
  char line[4096];
  while (fgets(line, sizeof line, pipe)) {
    char name[4096], type[8];
    if (sscanf(line, "%4095s %7s", name, type) == 2 && std::strchr("TtDdBbRrVvWwi", type[0]))
      exported.insert(name);
  }
  ASSERT_EQ(pclose(pipe), 0);
  // Every entry point but the one that comes with the multi-put prompt.
  for (const std::string& name : interface) {
    if (name == "FsStatusInfo") continue;
    EXPECT_TRUE(exported.count(name)) << "does not export " << name;
  }
  for (const std::string& name : exported) EXPECT_TRUE(interface.count(name)) << "also exports " << name;
}

}  // namespace
}  // namespace testing_support

#include <sqlite3.h>

namespace testing_support {
namespace {

std::string ForeignSqliteFile(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_exec(db, "create table notes(text); insert into notes values('mine')", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return ReadFile(path);
}

TEST_F(Startup, AFileThatIsNoCatalogIsRefusedAndLeftAsItWas) {
  struct TCase {
    const char* what;
    std::string content;  // empty: made by another program below
  };
  const TCase cases[] = {
      {"an empty file", ""},
      {"a text file", "just some notes\n"},
      {"another engine's database", std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(2000, '\0')},
      {"a database of another program", "sqlite"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    TTempDir here;
    TModuleCopy copy(here.Path().string());
    std::string before = c.content == "sqlite" ? ForeignSqliteFile(copy.CatalogFile()) : c.content;
    if (c.content != "sqlite") WriteFile(copy.CatalogFile(), c.content);
    HostRecord().Reset();

    EXPECT_EQ(copy.InitWithRecorder(), -1);

    ASSERT_EQ(HostRecord().requests.size(), 1u);
    const TRequest& box = HostRecord().requests[0];
    EXPECT_EQ(box.type, RT_MsgOK);
    EXPECT_EQ(box.title, "Bindershelf");
    EXPECT_NE(box.text.find(copy.CatalogFile()), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("not a catalog"), std::string::npos) << box.text;
    EXPECT_EQ(ReadFile(copy.CatalogFile()), before);
    EXPECT_FALSE(fs::exists(copy.CatalogFile() + "-wal"));
  }
}

TEST_F(Startup, ACatalogThatCannotBeMadeFailsWithAMessage) {
  fs::create_directory(module->CatalogFile());
  EXPECT_EQ(module->InitWithRecorder(), -1);
  ASSERT_EQ(HostRecord().requests.size(), 1u);
  EXPECT_NE(HostRecord().requests[0].text.find(module->CatalogFile()), std::string::npos)
      << HostRecord().requests[0].text;
}

TEST_F(Startup, AFailedStartWithoutARequestCallbackStillReturnsMinusOne) {
  WriteFile(module->CatalogFile(), "not a database");
  EXPECT_EQ(module->Init(1, nullptr, nullptr, nullptr), -1);
}

}  // namespace
}  // namespace testing_support
