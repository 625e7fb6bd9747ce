// FsExtractCustomIcon on a second thread while the main thread lists, puts, deletes and
// switches the catalog database through the other exports.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "module/ItemFixture.h"
#include "stress/IconLookups.h"
#include "support/ScopedVariable.h"

namespace testing_support {
namespace {

using namespace std::chrono_literals;

struct TIconRecordHead {
  const char* name;
};

class IconExportStress : public TItemFixture {
 protected:
  void SetUp() override {
    TItemFixture::SetUp();
    extract = module->Export<decltype(FsExtractCustomIcon)>("FsExtractCustomIcon");
    findFirst = module->Export<decltype(FsFindFirst)>("FsFindFirst");
    findNext = module->Export<decltype(FsFindNext)>("FsFindNext");
    findClose = module->Export<decltype(FsFindClose)>("FsFindClose");
    deleteFile = module->Export<decltype(FsDeleteFile)>("FsDeleteFile");
    ASSERT_TRUE(extract && findFirst && findNext && findClose && deleteFile);
    executeFile = module->Export<decltype(FsExecuteFile)>("FsExecuteFile");

    AddKnownItems(*probe);
    if (executeFile) {
      // The same items in the second database, so every item has one answer in both.
      ASSERT_EQ(Execute("quote db other"), FS_EXEC_OK);
      TCatalogProbe other(module->Directory() + "/other.dat");
      AddKnownItems(other);
      ASSERT_EQ(Execute("quote db vx"), FS_EXEC_OK);
    }
    churnFile = LocalFile("churn.txt");
  }

  void AddKnownItems(TCatalogProbe& catalog) {
    auto add = [&](const std::string& id, const std::string& parent, int attributes, const std::string& realPath) {
      catalog.Execute("insert into fs(ID,[Name],parid,Fileattr,PTHor) values(" + Q(id) + "," +
                      Q(id.substr(id.rfind('\\') + 1)) + "," + Q(parent) + "," + std::to_string(attributes) + "," +
                      (realPath.empty() ? std::string("null") : Q(realPath)) + ")");
    };
    add("\\present.txt", "", 32, LocalFile("present.txt"));
    add("\\gone.txt", "", 32, Local("gone.txt"));
    add("\\Virtual", "", 16, "");
    add("\\Virtual\\inner.txt", "\\Virtual", 32, LocalFile("inner.txt"));
  }

  int32_t Execute(const std::string& verb) {
    char remoteName[MAX_PATH] = "\\";
    std::string writableVerb = verb;
    return executeFile(nullptr, remoteName, writableVerb.data());
  }

  std::string AskIcon(const std::string& remoteName) {
    std::string buffer = remoteName;
    HICON icon = nullptr;
    int32_t result = extract(buffer.data(), FS_ICONFLAG_BACKGROUND | FS_ICONFLAG_SMALL, &icon);
    if (result != FS_ICON_EXTRACTED) return std::to_string(result) + (icon ? " and a handle" : "");
    return "1 " + std::string(icon ? static_cast<const TIconRecordHead*>(icon)->name : "<null>");
  }

  // The names listed in the root; a fault when the listing fails.
  std::set<std::string> ListRoot() {
    std::set<std::string> names;
    WIN32_FIND_DATAA data{};
    char root[] = "\\";
    HANDLE listing = findFirst(root, &data);
    if (listing == INVALID_HANDLE_VALUE) return {"<listing failed>"};
    do names.insert(data.cFileName);
    while (findNext(listing, &data) == FS_TRUE);
    findClose(listing);
    return names;
  }

  TScopedVariable tmpDir{"TMPDIR", (dir.Path() / "disk").string()};  // the query log
  std::string churnFile;
  decltype(&FsExtractCustomIcon) extract = nullptr;
  decltype(&FsFindFirst) findFirst = nullptr;
  decltype(&FsFindNext) findNext = nullptr;
  decltype(&FsFindClose) findClose = nullptr;
  decltype(&FsDeleteFile) deleteFile = nullptr;
  decltype(&FsExecuteFile) executeFile = nullptr;
};

TEST_F(IconExportStress, LookupsKeepTheirAnswersWhileTheMainThreadWorks) {
  if (!executeFile) std::printf("the module has no FsExecuteFile yet: the database is not switched\n");
  std::vector<std::string> faults;
  auto fault = [&](size_t step, const std::string& what) {
    faults.push_back("step " + std::to_string(step) + ": " + what);
    return false;
  };
  char churnName[] = "\\churn.txt";

  TIconLookups lookups({{"\\present.txt", {"0"}},
                        {"\\gone.txt", {"1 DELICON"}},
                        {"\\Virtual", {"1 SMALLICON"}},
                        {"\\Virtual\\inner.txt", {"0"}},
                        {"\\nothing", {"1 SMALLICON"}},
                        {"\\churn.txt", {"0", "1 SMALLICON"}}},
                       [this](const std::string& name) { return AskIcon(name); });
  size_t steps = RunBounded(400, 2000ms, [&](size_t step) {
    std::set<std::string> names = ListRoot();
    for (const char* known : {"present.txt", "gone.txt", "Virtual"})
      if (!names.count(known)) return fault(step, std::string("the listing lacks ") + known);
    if (int32_t put = Put(churnFile, churnName); put != FS_FILE_OK) return fault(step, "put gave " + std::to_string(put));
    if (deleteFile(churnName) != FS_TRUE) return fault(step, "delete failed");
    if (executeFile && step % 8 == 7) {
      const char* verb = step % 16 == 7 ? "quote db other" : "quote db vx";
      if (Execute(verb) != FS_EXEC_OK) return fault(step, std::string(verb) + " failed");
    }
    return true;
  });
  lookups.Stop();

  std::printf("%zu steps, %zu lookups\n", steps, lookups.Count());
  EXPECT_EQ(faults, std::vector<std::string>{});
  EXPECT_EQ(lookups.Faults(), std::vector<std::string>{});
  EXPECT_GT(lookups.Count(), 0u);
  EXPECT_EQ(MessageCount(), 0u);
}

}  // namespace
}  // namespace testing_support
