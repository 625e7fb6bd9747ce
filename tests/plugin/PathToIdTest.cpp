#include "plugin/PathToId.h"

#include <gtest/gtest.h>

namespace bindershelf {
namespace {

TEST(PathToId, DropsOneTrailingBackslashAndMakesTheRootEmpty) {
  struct TCase {
    const char* hostPath;
    const char* id;
  };
  const TCase cases[] = {
      {"\\", ""},
      {"\\\\", ""},
      {"", ""},
      {"\\Trip\\", "\\Trip"},
      {"\\Trip\\\\", "\\Trip\\"},
      {"\\Trip\\beach.jpg", "\\Trip\\beach.jpg"},
      {"Trip", "Trip"},
      {"\\Папка\\", "\\Папка"},
  };
  for (const TCase& c : cases) EXPECT_EQ(PathToId(c.hostPath), c.id) << "host path " << c.hostPath;
}

}  // namespace
}  // namespace bindershelf
