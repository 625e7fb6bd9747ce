// The icon lookup on a second thread while the main thread compacts the catalog (which
// closes, replaces and reopens it), lists, puts and deletes, each under the catalog lock
// as the exports hold it. Compaction has no export, so this runs on the units themselves.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "catalog/CompressCatalog.h"
#include "catalog/Schema.h"
#include "platform/res/Resources.h"
#include "plugin/Common.h"
#include "plugin/Startup.h"
#include "plugin/TextPieces.h"
#include "stress/IconLookups.h"
#include "support/ScopedVariable.h"
#include "support/CoreCatalogFixture.h"
#include "support/TempDir.h"
#include "vfs/CustomIcon.h"
#include "vfs/Folders.h"
#include "vfs/Listing.h"
#include "vfs/PutFile.h"

namespace bindershelf {
namespace {

using namespace std::chrono_literals;
using testing_support::RunBounded;
using testing_support::TIconLookups;
using testing_support::TScopedVariable;
using testing_support::TTempDir;
using testing_support::WriteFile;

class IconLookupStress : public testing_support::TCoreCatalogTest {
 protected:
  void SetUp() override {
    TCoreCatalogTest::SetUp();
    WriteFile(dir / "present.txt", "p");
    WriteFile(dir / "churn.txt", "c");
    Add("\\present.txt", 32, Quoted(dir / "present.txt"));
    Add("\\gone.txt", 32, Quoted(dir / "gone.txt"));
    Add("\\Virtual", 16, "null");
  }

  static void Add(const std::string& id, int attributes, const std::string& realPathLiteral) {
    CatalogConnection->Execute("insert into fs(ID,[Name],parid,Fileattr,PTHor) values(" + Quoted(id) + "," +
                               Quoted(id.substr(1)) + ",\"\"," + std::to_string(attributes) + "," +
                               realPathLiteral + ")");
  }

  // One operation as an export runs it: whole, under the catalog lock.
  template <class TBody>
  static auto Locked(TBody&& body) {
    std::lock_guard guard(CatalogLock());
    return body();
  }

  static std::string AskIcon(const std::string& remoteName) {
    HICON icon = nullptr;
    int32_t result = vfs::ExtractCustomIcon(remoteName.c_str(), FS_ICONFLAG_BACKGROUND, &icon);
    if (result != FS_ICON_EXTRACTED) return std::to_string(result) + (icon ? " and a handle" : "");
    return "1 " + std::string(icon ? static_cast<const res::TIconResource*>(icon)->Name : "<null>");
  }

  static std::set<std::string> ListRoot() {
    std::set<std::string> names;
    WIN32_FIND_DATAA data{};
    vfs::FindFirst("\\", data);
    do names.insert(data.cFileName);
    while (vfs::FindNext(data));
    vfs::FindClose();
    return names;
  }

  TScopedVariable tmpDir{"TMPDIR", dir.Path().string()};  // the query log
};

TEST_F(IconLookupStress, LookupsKeepTheirAnswersWhileTheCatalogIsCompacted) {
  std::vector<std::string> faults;
  size_t compactions = 0;
  TIconLookups lookups({{"\\present.txt", {"0"}},
                        {"\\gone.txt", {"1 DELICON"}},
                        {"\\Virtual", {"1 SMALLICON"}},
                        {"\\nothing", {"1 SMALLICON"}},
                        {"\\churn.txt", {"0", "1 SMALLICON"}}},
                       &AskIcon);
  size_t steps = RunBounded(300, 2000ms, [&](size_t step) {
    try {
      std::set<std::string> names = Locked(ListRoot);
      if (names != std::set<std::string>{"Virtual", "gone.txt", "present.txt"}) {
        faults.push_back("step " + std::to_string(step) + ": the listing changed");
        return false;
      }
      int put = Locked([&] { return vfs::PutFile(dir / "churn.txt", "\\churn.txt", 0); });
      if (put != FS_FILE_OK) {
        faults.push_back("step " + std::to_string(step) + ": put gave " + std::to_string(put));
        return false;
      }
      Locked([] {
        vfs::DeleteItem("\\churn.txt");
        return 0;
      });
      Locked([] {
        catalog::CompressCatalog();
        return 0;
      });
      ++compactions;
      return true;
    } catch (const std::exception& e) {
      faults.push_back("step " + std::to_string(step) + " raised: " + e.what());
      return false;
    }
  });
  lookups.Stop();

  std::printf("%zu steps, %zu compactions, %zu lookups\n", steps, compactions, lookups.Count());
  EXPECT_EQ(faults, std::vector<std::string>{});
  EXPECT_EQ(lookups.Faults(), std::vector<std::string>{});
  EXPECT_GT(lookups.Count(), 0u);
  EXPECT_GT(compactions, 0u);
}

}  // namespace
}  // namespace bindershelf
