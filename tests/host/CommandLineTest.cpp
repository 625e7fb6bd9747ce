#include "host/CommandLine.h"

#include <gtest/gtest.h>

#include "host/HostError.h"

namespace bindershelf::host {
namespace {

using TWords = std::vector<std::string>;

struct TTokeniseCase {
  const char* line;
  TWords words;
};

TEST(CommandLineTest, SplitsWordsAndKeepsQuotedBlanks) {
  const TTokeniseCase cases[] = {
      {"ls", {"ls"}},
      {"  put   a.txt\tDocs  ", {"put", "a.txt", "Docs"}},
      {"mkdir \"My Docs\"", {"mkdir", "My Docs"}},
      {"mkdir 'My Docs'", {"mkdir", "My Docs"}},
      {"cp \"a b\"/c \"x\"'y z'", {"cp", "a b/c", "xy z"}},
      {"ren a.txt \"\"", {"ren", "a.txt", ""}},
      {"put \"it's here.txt\"", {"put", "it's here.txt"}},
      {"put 'say \"hi\".txt'", {"put", "say \"hi\".txt"}},
      // "\" separates catalog folders; it never escapes anything.
      {"cd \\Docs\\2024\\", {"cd", "\\Docs\\2024\\"}},
      {"cd \"\\My Docs\\\"", {"cd", "\\My Docs\\"}},
      {"", {}},
  };
  for (const TTokeniseCase& c : cases) EXPECT_EQ(TokeniseCommand(c.line), c.words) << c.line;
}

TEST(CommandLineTest, RefusesAQuoteThatIsNeverClosed) {
  EXPECT_THROW(TokeniseCommand("mkdir \"My Docs"), THostError);
  EXPECT_THROW(TokeniseCommand("mkdir 'x"), THostError);
}

TEST(CommandLineTest, SplitsACommandListAtSemicolonsOutsideQuotes) {
  EXPECT_EQ(SplitCommandList("mkdir a; cd a ;pwd"), (TWords{"mkdir a", "cd a", "pwd"}));
  EXPECT_EQ(SplitCommandList("mkdir \"a;b\"; ls 'c;d'"), (TWords{"mkdir \"a;b\"", "ls 'c;d'"}));
  EXPECT_EQ(SplitCommandList(" ; ;ls;; "), (TWords{"ls"}));
}

TEST(CommandLineTest, FirstWordIsTheCommandName) {
  EXPECT_EQ(FirstWord("  ls \"a b\""), "ls");
  EXPECT_EQ(FirstWord("db archive"), "db");
  EXPECT_EQ(FirstWord(""), "");
}

}  // namespace
}  // namespace bindershelf::host
