#include "platform/os/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bindershelf::os {
namespace {

using TArguments = std::vector<std::string>;

TEST(CommandLine, SplitsByQuotesBlanksAndBackslashes) {
  const struct {
    std::string line;
    TArguments arguments;
  } cases[] = {
      {"", {}},
      {" \t ", {}},
      {"prog", {"prog"}},
      {"  prog \t a   b  ", {"prog", "a", "b"}},
      {R"(prog "a b" c)", {"prog", "a b", "c"}},
      {R"("C:\Program Files\x" y)", {R"(C:\Program Files\x)", "y"}},  // backslashes before no quote
      {R"(a\\b c\)", {R"(a\\b)", R"(c\)"}},
      {R"(a\"b)", {R"(a"b)"}},             // 1 backslash: a literal quote
      {R"(a\\"b c")", {R"(a\b c)"}},       // 2: one backslash, and the quote opens
      {R"(a\\\"b)", {R"(a\"b)"}},          // 3: one backslash and a literal quote
      {R"(a\\\\"b c")", {R"(a\\b c)"}},    // 4: two backslashes, and the quote opens
      {R"("ab\"c" d)", {R"(ab"c)", "d"}},
      {R"("a\\" b)", {R"(a\)", "b"}},      // a closing quote after an escaped backslash
      {R"(a"b c"d e)", {"ab cd", "e"}},    // quotes inside an argument
      {R"("a""b")", {"ab"}},               // each quote toggles
      {R"(prog "" x)", {"prog", "", "x"}},
      {R"("")", {""}},
      {R"(prog "open to the end)", {"prog", "open to the end"}},
      {"p \"\xd0\xb6 \xd0\xb8\"", {"p", "\xd0\xb6 \xd0\xb8"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SplitCommandLine(c.line), c.arguments);
  }
}

TEST(CommandLine, AQuotedArgumentComesBackUnchanged) {
  const std::string texts[] = {
      "",        "plain",   "a b",      "say \"hi\"", R"(end\)",           R"(end\\)",      R"(\")",
      R"(\\"\\)", "\"",      "tab\there", "$HOME; rm x", R"(C:\dir\sub\)", "\"\"", R"(a\\\"b c)",
  };
  for (const auto& text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(SplitCommandLine("prog " + QuoteArgument(text) + " next"), (TArguments{"prog", text, "next"}));
  }
  EXPECT_EQ(QuoteArgument(R"(a "b" c\)"), R"("a \"b\" c\\")");
}

}  // namespace
}  // namespace bindershelf::os
