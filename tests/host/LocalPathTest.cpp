#include "host/LocalPath.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedVariable.h"

namespace bindershelf::host {
namespace {

TEST(LocalPathTest, TypedPathsBecomeAbsoluteWithTheHomeDirectoryForATilde) {
  testing_support::TScopedVariable home("HOME", "/home/ann");
  const std::string here = std::filesystem::current_path().string();
  struct TCase {
    std::string typed;
    std::string expected;
  };
  const TCase cases[] = {
      {"~", "/home/ann"},
      {"~/shelf/photos/", "/home/ann/shelf/photos"},
      {"~ann/x", here + "/~ann/x"},  // only the caller's own home is known
      {"/data/./a/../b", "/data/b"},
      {"photos", here + "/photos"},
      {"/", "/"},
  };
  for (const TCase& c : cases) EXPECT_EQ(LocalPathOf(c.typed).string(), c.expected) << c.typed;
}

}  // namespace
}  // namespace bindershelf::host
