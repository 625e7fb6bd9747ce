#include "host/CatalogPath.h"

#include <gtest/gtest.h>

namespace bindershelf::host {
namespace {

struct TResolveCase {
  const char* current;
  const char* typed;
  const char* expected;
};

TEST(CatalogPathTest, ResolvesTypedPathsAgainstTheCurrentFolder) {
  const TResolveCase cases[] = {
      {"\\", "", "\\"},
      {"\\Docs", "", "\\Docs"},
      {"\\", "Docs", "\\Docs"},
      {"\\Docs", "2024", "\\Docs\\2024"},
      {"\\Docs", "2024/May", "\\Docs\\2024\\May"},
      {"\\Docs", "2024\\May\\", "\\Docs\\2024\\May"},
      {"\\Docs", "\\Trip", "\\Trip"},
      {"\\Docs", "/Trip/", "\\Trip"},
      {"\\Docs\\2024", "..", "\\Docs"},
      {"\\Docs\\2024", "../..", "\\"},
      {"\\Docs", "../../..", "\\"},
      {"\\Docs", "..\\Trip\\.\\beach.jpg", "\\Trip\\beach.jpg"},
      {"\\Docs", "a//b", "\\Docs\\a\\b"},
      {"\\", "\\", "\\"},
      {"\\", "/", "\\"},
      {"\\", "My Docs/x y.txt", "\\My Docs\\x y.txt"},
      // Only "." and ".." are special; longer runs of dots are names.
      {"\\", "...", "\\..."},
      {"\\", "..hidden", "\\..hidden"},
  };
  for (const TResolveCase& c : cases)
    EXPECT_EQ(ResolveCatalogPath(c.current, c.typed), c.expected) << "from " << c.current << " typed " << c.typed;
}

TEST(CatalogPathTest, SplitsAndJoinsAtTheLastSeparator) {
  EXPECT_EQ(JoinCatalogPath("\\", "a.txt"), "\\a.txt");
  EXPECT_EQ(JoinCatalogPath("\\Docs", "a.txt"), "\\Docs\\a.txt");
  EXPECT_EQ(ParentOfCatalogPath("\\a.txt"), "\\");
  EXPECT_EQ(ParentOfCatalogPath("\\Docs\\a.txt"), "\\Docs");
  EXPECT_EQ(ParentOfCatalogPath("\\"), "\\");
  EXPECT_EQ(NameOfCatalogPath("\\Docs\\a.txt"), "a.txt");
  EXPECT_EQ(NameOfCatalogPath("\\"), "");
  EXPECT_EQ(FolderWithSeparator("\\"), "\\");
  EXPECT_EQ(FolderWithSeparator("\\Docs"), "\\Docs\\");
}

TEST(CatalogPathTest, FolderContainmentIgnoresCaseButNotNamePrefixes) {
  EXPECT_TRUE(IsSameOrBelow("\\Docs", "\\Docs"));
  EXPECT_TRUE(IsSameOrBelow("\\docs\\a", "\\Docs"));
  EXPECT_TRUE(IsSameOrBelow("\\Docs\\a\\b", "\\Docs"));
  EXPECT_FALSE(IsSameOrBelow("\\Docs2", "\\Docs"));
  EXPECT_FALSE(IsSameOrBelow("\\Doc", "\\Docs"));
  EXPECT_TRUE(IsSameOrBelow("\\x", "\\"));
}

}  // namespace
}  // namespace bindershelf::host
