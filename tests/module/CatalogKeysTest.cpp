// The keys and limits of a catalog that the module made.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/CatalogProbe.h"
#include "support/HostCallbacks.h"
#include "support/ModuleCopy.h"
#include "support/TempDir.h"

namespace testing_support {
namespace {

using bindershelf::ado::EDatabaseError;

class CatalogKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    module = std::make_unique<TModuleCopy>(dir.Path().string());
    ASSERT_EQ(module->InitWithRecorder(), 0);
    probe = std::make_unique<TCatalogProbe>(module->CatalogFile());
  }
  void InsertItem(const std::string& id) {
    probe->Execute("insert into fs(ID,[Name],parid,Fileattr) values(\"" + id + "\",\"n\",\"\",16)");
  }
  void InsertProperty(const std::string& cat, const std::string& value, const std::string& owner) {
    probe->Execute("insert into cats(cat,[value],it) values(\"" + cat + "\",\"" + value + "\",\"" + owner + "\")");
  }
  // The message of the error a statement raises, or "" when it runs.
  template <class TStatement>
  static std::string ErrorOf(TStatement&& statement) {
    try {
      statement();
    } catch (const EDatabaseError& e) {
      return e.what();
    }
    return "";
  }

  TTempDir dir;
  std::unique_ptr<TModuleCopy> module;
  std::unique_ptr<TCatalogProbe> probe;
};

TEST_F(CatalogKeys, IdsThatDifferOnlyInLetterCaseAreDuplicates) {
  struct TCase {
    const char* first;
    const char* second;
  };
  const TCase cases[] = {{"\\Trip", "\\TRIP"}, {"\\Папка", "\\ПАПКА"}, {"\\ёлка", "\\Ёлка"}};
  for (const TCase& c : cases) {
    InsertItem(c.first);
    std::string error = ErrorOf([&] { InsertItem(c.second); });
    EXPECT_NE(error.find("fs"), std::string::npos) << error;
    EXPECT_NE(error.find(c.second), std::string::npos) << error;
  }
  EXPECT_EQ(probe->Count("select * from fs"), 3u);
}

TEST_F(CatalogKeys, SecondValueOfACategoryForOneOwnerIsRefused) {
  InsertProperty("Author", "Ann", "\\a.txt");
  std::string error = ErrorOf([&] { InsertProperty("AUTHOR", "Bob", "\\A.TXT"); });
  EXPECT_NE(error.find("cats"), std::string::npos) << error;
  EXPECT_EQ(probe->Column("select [value] from cats"), std::vector<std::string>{"Ann"});
  InsertProperty("Author", "Bob", "\\b.txt");  // another owner may have it
  InsertProperty("Year", "1999", "\\a.txt");   // and the owner another category
}

TEST_F(CatalogKeys, TextOfMoreThan255CharactersIsRefused) {
  std::string cyrillic255;
  for (int i = 0; i < 255; ++i) cyrillic255 += "ж";
  InsertItem("\\" + std::string(254, 'a'));
  InsertItem(cyrillic255);
  std::string error = ErrorOf([&] { InsertItem("\\" + std::string(255, 'b')); });
  EXPECT_NE(error.find("ID"), std::string::npos) << error;
  EXPECT_NE(ErrorOf([&] { InsertItem(cyrillic255 + "ж"); }), "");
  EXPECT_EQ(probe->Count("select * from fs"), 2u);
}

TEST_F(CatalogKeys, ValuesOfPropertiesHaveNoSuchLimit) {
  InsertProperty("Note", std::string(5000, 'x'), "\\a.txt");
  EXPECT_EQ(probe->Column("select [value] from cats").at(0).size(), 5000u);
}

}  // namespace
}  // namespace testing_support
