#include "platform/ado/JetLikeRange.h"

#include <algorithm>

#include "platform/ado/JetCollation.h"
#include "platform/ado/JetExpression.h"

namespace bindershelf::ado {

namespace {

struct TTableName {
  std::string Alias, Table;
};

bool IsOneOf(const TToken& t, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(), [&](const char* w) { return IsWord(t, w); });
}

bool IsClauseWord(const TToken& t) {
  return IsOneOf(t, {"where", "left", "right", "inner", "outer", "cross", "natural", "join", "on", "using", "order",
                     "group", "having", "limit", "union", "except", "intersect", "set", "values", "select", "default"});
}

bool IsNameToken(const TToken& t) {
  return (t.Kind == TTokenKind::Word && !IsClauseWord(t) && !IsWord(t, "as")) || t.Kind == TTokenKind::Name;
}

std::string NameOf(const TToken& t) { return t.Kind == TTokenKind::Name ? t.Value : std::string(t.Text); }

bool SameName(const std::string& a, const std::string& b) { return CompareJetNoCase(a, b) == 0; }

// The tables a statement names after FROM, JOIN, UPDATE and INTO, with their aliases.
std::vector<TTableName> TablesOf(const std::vector<TToken>& tokens) {
  std::vector<TTableName> tables;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (!IsOneOf(tokens[i], {"from", "join", "update", "into"})) continue;
    const bool list = IsWord(tokens[i], "from");
    std::size_t k = NextSignificant(tokens, i + 1);
    while (k < tokens.size() && IsNameToken(tokens[k])) {
      TTableName t{NameOf(tokens[k]), NameOf(tokens[k])};
      k = NextSignificant(tokens, k + 1);
      if (k < tokens.size() && IsWord(tokens[k], "as")) k = NextSignificant(tokens, k + 1);
      if (k < tokens.size() && IsNameToken(tokens[k])) {
        t.Alias = NameOf(tokens[k]);
        k = NextSignificant(tokens, k + 1);
      }
      tables.push_back(t);
      if (!list || k >= tokens.size() || tokens[k].Text != ",") break;
      k = NextSignificant(tokens, k + 1);
    }
  }
  return tables;
}

// Whether the column named by tokens[from, to) ("c" or "q.c") is surely JETNOCASE text.
bool IsTextColumn(const std::vector<TToken>& tokens, std::size_t from, std::size_t to,
                  const std::vector<TTableName>& tables, const TColumnKindOf& kindOf) {
  const std::string column = NameOf(tokens[to - 1]);
  if (to - from > 1) {  // qualified
    const std::string q = NameOf(tokens[from]);
    for (const TTableName& t : tables)
      if (SameName(t.Alias, q)) return kindOf(t.Table, column) == TColumnKind::Text;
    return false;
  }
  bool found = false;
  for (const TTableName& t : tables) {
    TColumnKind kind = kindOf(t.Table, column);
    if (kind == TColumnKind::Other) return false;
    found = found || kind == TColumnKind::Text;
  }
  return found;
}

bool StartsCondition(const std::vector<TToken>& tokens, std::size_t column) {
  std::size_t i = column;
  while (i > 0 && tokens[i - 1].Kind == TTokenKind::Space) --i;
  if (i == 0) return false;
  const TToken& t = tokens[i - 1];
  return t.Text == "(" || IsOneOf(t, {"where", "and", "or", "not", "on"});
}

bool EndsCondition(const std::vector<TToken>& tokens, std::size_t next) {
  return next >= tokens.size() || tokens[next].Text == ")" ||
         IsOneOf(tokens[next], {"and", "or", "order", "group", "limit", "union", "having"});
}

bool IsValidUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();)
    if (NextUnit(s, i) >= kStrayByte) return false;
  return true;
}

}  // namespace

std::string PatternBeginning(const std::string& pattern) {
  return pattern.substr(0, std::min(pattern.find_first_of("%_["), pattern.size()));
}

std::vector<TInsertion> LikeRanges(const std::vector<TToken>& tokens, const TColumnKindOf& kindOf) {
  std::vector<TInsertion> insertions;
  if (!kindOf) return insertions;
  std::vector<TTableName> tables;
  bool tablesRead = false;
  for (std::size_t like = 0; like < tokens.size(); ++like) {
    if (!IsWord(tokens[like], "like")) continue;
    std::size_t literal = NextSignificant(tokens, like + 1);
    if (literal >= tokens.size() || tokens[literal].Kind != TTokenKind::String) continue;
    const std::string beginning = PatternBeginning(tokens[literal].Value);
    if (beginning.empty() || !IsValidUtf8(beginning)) continue;
    // The column just before LIKE: c, or q.c.
    std::size_t to = like;
    while (to > 0 && tokens[to - 1].Kind == TTokenKind::Space) --to;
    if (to == 0 || !IsNameToken(tokens[to - 1])) continue;
    std::size_t from = to - 1;
    if (from >= 2 && tokens[from - 1].Text == "." && IsNameToken(tokens[from - 2])) from -= 2;
    if (!StartsCondition(tokens, from) || !EndsCondition(tokens, NextSignificant(tokens, literal + 1))) continue;
    if (!tablesRead) tables = TablesOf(tokens), tablesRead = true;
    if (!IsTextColumn(tokens, from, to, tables, kindOf)) continue;
    const std::string column = TranslateTokens(tokens, from, to, TLiteralForm::Plain);
    const std::string collate = std::string(" COLLATE ") + kJetNoCase;
    insertions.push_back({from, "("});
    insertions.push_back({literal + 1, " AND " + column + " >= " + QuoteText(beginning) + collate + " AND " + column +
                                           " <= " + QuoteText(beginning + "\xFF") + collate + ")"});
  }
  return insertions;
}

}  // namespace bindershelf::ado
