#include "plugin/TextPieces.h"

#include <gtest/gtest.h>

namespace bindershelf {
namespace {

TEST(TextPieces, QuotedDoublesEveryDoubleQuote) {
  EXPECT_EQ(Quoted(""), "\"\"");
  EXPECT_EQ(Quoted("\\a.txt"), "\"\\a.txt\"");
  EXPECT_EQ(Quoted("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(Quoted("\") or 1=1 --"), "\"\"\") or 1=1 --\"");
}

TEST(TextPieces, SplitAtLastSeparator) {
  struct TCase {
    const char* text;
    const char* before;
    const char* after;
  };
  const TCase cases[] = {{"\\Trip\\beach.jpg", "\\Trip", "beach.jpg"},
                         {"\\beach.jpg", "", "beach.jpg"},
                         {"\\Trip\\", "\\Trip", ""},
                         {"beach.jpg", "", "beach.jpg"},
                         {"", "", ""}};
  for (const TCase& c : cases) {
    TSplit s = SplitAtLast(c.text, '\\');
    EXPECT_EQ(s.before, c.before) << c.text;
    EXPECT_EQ(s.after, c.after) << c.text;
  }
}

TEST(TextPieces, FirstCharactersCountsCodePoints) {
  EXPECT_EQ(FirstCharacters("abcdef", 3), "abc");
  EXPECT_EQ(FirstCharacters("ab", 5), "ab");
  EXPECT_EQ(FirstCharacters("жжжж", 2), "жж");
  EXPECT_EQ(FirstCharacters("a\xE2\x82\xAC" "b", 2), "a\xE2\x82\xAC");  // a three-byte euro sign
  EXPECT_EQ(FirstCharacters("\xFF\xFE" "abc", 3), "\xFF\xFE" "a");      // stray bytes count one each
  EXPECT_EQ(FirstCharacters("a\xD0", 2), "a\xD0");                      // a cut sequence at the end
}

TEST(TextPieces, FirstCharactersWithinKeepWholeCharactersThatFit) {
  EXPECT_EQ(FirstCharactersWithin("жжжж", 3, 5), "жж");  // the third would need bytes 5 and 6
  EXPECT_EQ(FirstCharactersWithin("жжжж", 3, 6), "жжж");
  EXPECT_EQ(FirstCharactersWithin("abcdef", 4, 10), "abcd");
  EXPECT_EQ(FirstCharactersWithin("ж", 1, 1), "");
}

}  // namespace
}  // namespace bindershelf
