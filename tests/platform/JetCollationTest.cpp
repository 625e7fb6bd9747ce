// The catalog's text order: case folded, code point by code point, total for any bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ado/JetCollation.h"

namespace bindershelf::ado {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

struct TCase {
  const char* name;
  std::string a, b;
  int order;  // -1, 0, 1
};

TEST(JetCollation, ComparesByFoldedCodePoints) {
  const TCase cases[] = {
      {"same ASCII", "abc", "abc", 0},
      {"ASCII case", "\\Trip\\Beach.JPG", "\\trip\\beach.jpg", 0},
      {"ASCII order", "abc", "abd", -1},
      {"shorter first", "ab", "abc", -1},
      {"empty first", "", "a", -1},
      {"Cyrillic case", "\\Папка", "\\ПАПКА", 0},
      {"Cyrillic yo case", "Ёлка", "ёлка", 0},
      {"Cyrillic order", "Авт", "Бук", -1},
      {"Latin before Cyrillic", "z", "а", -1},
      {"Greek final sigma folds to sigma", "ς", "σ", 0},
      {"Kelvin sign folds to k", "\xE2\x84\xAA", "k", 0},
      {"simple folding keeps sharp s apart from ss", "ß", "ss", 1},
      {"letters differing past a Cyrillic prefix", "Папка1", "папка2", -1},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(Sign(CompareJetNoCase(c.a, c.b)), c.order) << c.name;
    EXPECT_EQ(Sign(CompareJetNoCase(c.b, c.a)), -c.order) << c.name << " (reversed)";
  }
}

TEST(JetCollation, KeepsBytesThatAreNotUtf8ApartAndAboveCodePoints) {
  const TCase cases[] = {
      {"two stray bytes", "\xFF", "\xFE", 1},
      {"stray byte after every code point", "\xFF", "\xF4\x8F\xBF\xBF", 1},
      {"truncated sequence is not its completion", "\xD0", "\xD0\x9F", 1},
      {"overlong slash is not a slash", "\xC0\xAF", "/", 1},
      {"encoded surrogate is not a letter", "\xED\xA0\x80", "a", 1},
      {"stray byte does not fold", "\xC3", "\xC3", 0},
      {"stray byte, then case-folded text", "\xFF" "ABC", "\xFF" "abc", 0},
      {"a final 0xFF after all that begins the same", "ab\xFF", "AB\xF4\x8F\xBF\xBFzz", 1},
      {"a final 0xFF after the same text going on with 0xFF", "ab\xFF", "ab\xFF" "c", 1},
      {"a final 0xFF is still only that text", "ab\xFF", "AB\xFF", 0},
      {"a final 0xFF does not lift a text that begins otherwise", "ab\xFF", "ac", -1},
  };
  for (const TCase& c : cases) EXPECT_EQ(Sign(CompareJetNoCase(c.a, c.b)), c.order) << c.name;
}

// Sorting depends on a consistent order; check it over mixed, partly broken strings.
TEST(JetCollation, OrderIsTotalAndTransitive) {
  const std::vector<std::string> texts = {"",      "a",     "A",        "ab",         "\xFF",   "\xD0",
                                          "Папка", "ПАПКА", "папка\xFF", "\xC0\xAF", "/",      "Ж",
                                          "ж",     "z",     "\xF0\x9F\x98\x80", "\xF0\x9F",
                                          "a\xFF", "a\xFF" "b", "A\xFF\xFF"};
  for (const auto& a : texts)
    for (const auto& b : texts) {
      EXPECT_EQ(Sign(CompareJetNoCase(a, b)), -Sign(CompareJetNoCase(b, a))) << a << " / " << b;
      for (const auto& c : texts)
        if (CompareJetNoCase(a, b) <= 0 && CompareJetNoCase(b, c) <= 0) {
          EXPECT_LE(CompareJetNoCase(a, c), 0) << a << " / " << b << " / " << c;
        }
    }
}

}  // namespace
}  // namespace bindershelf::ado
