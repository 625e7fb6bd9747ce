// The tokens of a Jet statement, as the dialect translation (JetDialect.h) reads them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bindershelf::ado {

enum class TTokenKind {
  Space,   // blanks, tabs, line ends
  Word,    // a name or keyword
  Number,
  String,  // "..." or '...'; Value holds the text with its doubled quotes made single
  Name,    // [...]; Value holds the name between the brackets
  Punct,   // any other single character
};

struct TToken {
  TTokenKind Kind;
  std::string_view Text;  // as written
  std::string Value;      // for String and Name
};

// Splits a statement into tokens; raises EDatabaseError for a string or a bracketed name
// that is not closed. Linear in the length of the statement.
std::vector<TToken> TokenizeJet(std::string_view jet);

// True when the token is the word w, without regard to letter case.
bool IsWord(const TToken& t, std::string_view w);

// The index of the next token at or after i that is not Space, or tokens.size().
std::size_t NextSignificant(const std::vector<TToken>& tokens, std::size_t i);

// Identifier and literal forms of SQLite: "name" and 'text', inner quotes doubled.
std::string QuoteName(std::string_view name);
std::string QuoteText(std::string_view text);

}  // namespace bindershelf::ado
