#include "vfs/DescriptionLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bindershelf::vfs {
namespace {

using TPairs = std::vector<TDescriptionPair>;

TEST(DescriptionLine, ParsesEveryFormOfDescription) {
  struct TCase {
    std::string description;  // what follows the name field and its separator
    TPairs pairs;
  };
  const TCase cases[] = {
      {"Holiday photos", {{"dsc", "Holiday photos"}}},
      {"<?Author?>Ann<?Year?>1999", {{"Author", "Ann"}, {"Year", "1999"}}},
      {"<?Author?>Ann <?Note?>", {{"Author", "Ann "}, {"Note", ""}}},
      {"Photos <?Author?>Ann", {{"dsc", "Photos <?Author?>Ann"}}},
      {"<?Author Ann", {{"dsc", "<?Author Ann"}}},
      {"<?a?>x?>y", {{"a", "x?>y"}}},
      {"", {}},
      // The "?>" that shares its "?" with the leading "<?" closes an empty category.
      {"<?>x", {{"", "x"}}},
      {"<?>", {}},
      {"<?>?>y<?b?>", {{"", "?>y"}, {"b", ""}}},
      {"<?" "?>", {}},  // two literals, so no trigraph is read
      {"<?a?><?b?>2", {{"a", ""}, {"b", "2"}}},
      {"<?a?>1<?a?>2", {{"a", "1"}, {"a", "2"}}},  // the catalog, not the parser, refuses the second
      {" <?a?>1", {{"dsc", " <?a?>1"}}},
      // Multi-line form: decoded before the pairs are taken.
      {"<?Note?>one\\ntwo\\\\x\\q\x04\xC2", {{"Note", "one\ntwo\\x\\q"}}},
      {"plain\\nsecond\x04\xC2", {{"dsc", "plain\nsecond"}}},
      {"<?a?>\\\\n<?b?>\\n\x04\xC2", {{"a", "\\n"}, {"b", "\n"}}},
      {"<?a?>x\x04\xC2\x04\xC2", {{"a", "x\x04\xC2"}}},
      {"\x04\xC2", {}},
      // Without the mark at the very end the escapes are plain text.
      {"<?a?>one\\ntwo\x04\xC2 ", {{"a", "one\\ntwo\x04\xC2 "}}},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseDescription(c.description), c.pairs) << c.description;
}

TEST(DescriptionLine, WritesTaggedLinesThatReadBackUnchanged) {
  struct TCase {
    std::string name;
    TPairs pairs;
    std::string line;
    TPairs readBack;  // empty: the pairs themselves
  };
  const TCase cases[] = {
      {"a.txt", {{"Author", "Ann"}, {"dsc", "Holiday photos"}}, "a.txt <?Author?>Ann<?dsc?>Holiday photos", {}},
      {"my file.txt", {{"dsc", "x"}}, "\"my file.txt\" <?dsc?>x", {}},
      {"a\\b", {{"Path", "C:\\x"}}, "a\\b <?Path?>C:\\x", {}},
      {"n.txt", {{"Note", "one\r\ntwo\nthree\rfour\\five"}},
       "n.txt <?Note?>one\\ntwo\\nthree\\nfour\\\\five\x04\xC2", {{"Note", "one\ntwo\nthree\nfour\\five"}}},
      {"n.txt", {{"a", "\\"}, {"b", "\n"}}, "n.txt <?a?>\\\\<?b?>\\n\x04\xC2", {}},
      {"n.txt", {{"a", "ends with the mark\x04\xC2"}}, "n.txt <?a?>ends with the mark\x04\xC2\x04\xC2", {}},
  };
  for (const TCase& c : cases) {
    const std::string line = FormatDescriptionLine(c.name, c.pairs);
    EXPECT_EQ(line, c.line);
    const std::string field = NameField(c.name);
    ASSERT_TRUE(LineBelongsTo(line, field)) << line;
    EXPECT_EQ(ParseDescription(DescriptionOf(line, field)), c.readBack.empty() ? c.pairs : c.readBack) << line;
  }
}

}  // namespace
}  // namespace bindershelf::vfs
