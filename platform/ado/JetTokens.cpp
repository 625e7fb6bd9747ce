#include "platform/ado/JetTokens.h"

#include "platform/ado/ADO.h"

namespace bindershelf::ado {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsWordPart(char c) { return IsWordStart(c) || IsDigit(c) || c == '$'; }

// A quoted string from s[i]; a doubled quote inside stands for one. Returns its end.
std::size_t ReadString(std::string_view s, std::size_t i, std::string& value) {
  const char quote = s[i++];
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        value += quote;
        i += 2;
        continue;
      }
      return i + 1;
    }
    value += s[i++];
  }
  throw EDatabaseError("Syntax error: a string is not closed in the statement");
}

std::size_t ReadNumber(std::string_view s, std::size_t i) {
  while (i < s.size() && (IsDigit(s[i]) || s[i] == '.')) ++i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      i = j;
      while (i < s.size() && IsDigit(s[i])) ++i;
    }
  }
  return i;
}

}  // namespace

std::vector<TToken> TokenizeJet(std::string_view s) {
  std::vector<TToken> tokens;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t start = i;
    TToken t{TTokenKind::Punct, {}, {}};
    const char c = s[i];
    if (IsSpace(c)) {
      while (i < s.size() && IsSpace(s[i])) ++i;
      t.Kind = TTokenKind::Space;
    } else if (c == '"' || c == '\'') {
      i = ReadString(s, i, t.Value);
      t.Kind = TTokenKind::String;
    } else if (c == '[') {
      std::size_t close = s.find(']', i + 1);
      if (close == std::string_view::npos) throw EDatabaseError("Syntax error: a name in [] is not closed");
      t.Value = std::string(s.substr(i + 1, close - i - 1));
      t.Kind = TTokenKind::Name;
      i = close + 1;
    } else if (IsDigit(c) || (c == '.' && i + 1 < s.size() && IsDigit(s[i + 1]))) {
      i = ReadNumber(s, i);
      t.Kind = TTokenKind::Number;
    } else if (IsWordStart(c)) {
      while (i < s.size() && IsWordPart(s[i])) ++i;
      t.Kind = TTokenKind::Word;
    } else {
      ++i;
    }
    t.Text = s.substr(start, i - start);
    tokens.push_back(std::move(t));
  }
  return tokens;
}

bool IsWord(const TToken& t, std::string_view w) {
  if (t.Kind != TTokenKind::Word || t.Text.size() != w.size()) return false;
  for (std::size_t k = 0; k < w.size(); ++k) {
    char a = t.Text[k], b = w[k];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a + 32);
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b + 32);
    if (a != b) return false;
  }
  return true;
}

std::size_t NextSignificant(const std::vector<TToken>& tokens, std::size_t i) {
  while (i < tokens.size() && tokens[i].Kind == TTokenKind::Space) ++i;
  return i;
}

namespace {

std::string Quote(std::string_view s, char q) {
  std::string out(1, q);
  for (char c : s) {
    out += c;
    if (c == q) out += q;
  }
  return out + q;
}

}  // namespace

std::string QuoteName(std::string_view name) { return Quote(name, '"'); }
std::string QuoteText(std::string_view text) { return Quote(text, '\''); }

}  // namespace bindershelf::ado
