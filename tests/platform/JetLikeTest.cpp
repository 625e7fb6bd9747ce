// LIKE with Jet's meaning: %, _, sets, ranges, without regard to case; bounded patterns.
#include <gtest/gtest.h>

#include <string>

#include "platform/ado/ADO.h"
#include "platform/ado/JetLike.h"
#include "AdoFixture.h"

namespace bindershelf::ado {
namespace {

struct TCase {
  const char* pattern;
  const char* text;
  bool matches;
};

TEST(JetLike, MatchesAsJetDoes) {
  const TCase cases[] = {
      {"abc", "abc", true},
      {"abc", "ABC", true},
      {"abc", "abcd", false},
      {"", "", true},
      {"", "a", false},
      {"%", "", true},
      {"%", "anything", true},
      {"a%", "abc", true},
      {"a%", "ba", false},
      {"%c", "abc", true},
      {"%b%", "abc", true},
      {"%b%", "ac", false},
      {"a%b%c", "aXbYc", true},
      {"a%b%c", "aXcYb", false},
      {"%a%a%a%b", "aaaaaaaaaaaaaaaaab", true},
      {"%a%a%a%b", "aaaaaaaaaaaaaaaaaa", false},
      {"_", "a", true},
      {"_", "", false},
      {"_", "ab", false},
      {"_", "Ж", true},               // one Cyrillic letter is one character, not two bytes
      {"__", "Ж", false},
      {"\\d_%", "\\dx", true},        // the nested items' pattern: ID and at least one more
      {"\\d_%", "\\d", false},
      {"\\d_%", "\\D\\f", true},
      {"\\a_b%", "\\axb\\f", true},    // _ in an ID stands for any one character
      {"%папка%", "\\ПАПКА\\файл", true},
      {"%.%", "photo.jpg", true},
      {"%.%", "folder", false},
      {"[abc]", "b", true},
      {"[abc]", "B", true},
      {"[abc]", "d", false},
      {"[!a-c]", "d", true},
      {"[!a-c]", "b", false},
      {"[!a-c]", "B", false},
      {"[a-c]x", "Bx", true},
      {"[A-C]", "b", true},            // range ends fold too
      {"[а-я]", "Ж", true},
      {"[а-я]", "z", false},
      {"[z-a]", "m", false},           // a reversed range holds nothing
      {"[a-]", "-", true},             // a "-" at the end is itself
      {"[-a]", "-", true},
      {"[%]", "%", true},              // in a set, % is a character
      {"[%]", "x", false},
      {"[_]", "_", true},
      {"[_]", "x", false},
      {"[[]", "[", true},
      {"a[]b", "ab", true},            // an empty set matches the empty run
      {"[!]", "x", true},
      {"[!]", "", false},
      {"[", "[", true},                // a lone [ is itself
      {"a[b", "a[b", true},
      {"a[b", "ab", false},
      {"*", "abc", false},             // * and ? are not wildcards in this dialect
      {"*", "*", true},
      {"?", "a", false},
      {"\xFF%", "\xFF" "abc", true},   // bytes that are not UTF-8 match themselves
      {"\xFF", "\xFE", false},
      {"_", "\xD0", true},
  };
  for (const TCase& c : cases) EXPECT_EQ(JetLike(c.pattern, c.text), c.matches) << c.pattern << " ~ " << c.text;
}

class JetLikeSql : public testing::TAdoTest {};

TEST_F(JetLikeSql, IsTheLikeOperatorOfStatements) {
  NewDatabase();
  EXPECT_EQ(Scalar("select \"\\Папка\\x\" like \"\\папка\\_\""), "1");
  EXPECT_EQ(Scalar("select \"abc\" not like \"A%\""), "0");
  EXPECT_EQ(Scalar("select \"b\" like \"[!a-c]\""), "0");
  EXPECT_EQ(Scalar("select null like \"%\""), "<null>");
  EXPECT_EQ(Scalar("select \"a\" like null"), "<null>");
  EXPECT_EQ(Scalar("select 16 like \"1_\""), "1");  // a number is matched by its text
}

TEST_F(JetLikeSql, RefusesPatternsOverTheLimit) {
  NewDatabase();
  const std::string atLimit(kMaxLikePattern, '%');
  const std::string pastLimit(kMaxLikePattern + 1, '%');
  EXPECT_NO_THROW(TJetPattern{atLimit});
  EXPECT_THROW(TJetPattern{pastLimit}, EDatabaseError);
  Connection->Execute("create table t (x text(10))");
  Connection->Execute("insert into t values(\"abc\")");
  EXPECT_EQ(Scalar("select count(*) from t where x like \"" + atLimit + "\""), "1");
  try {
    Rows("select count(*) from t where x like \"" + pastLimit + "\"");
    ADD_FAILURE() << "a pattern one byte past the limit ran";
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "LIKE pattern too long");
  }
}

}  // namespace
}  // namespace bindershelf::ado
