#include "platform/ado/JetDialect.h"

#include "platform/ado/ADO.h"
#include "platform/ado/JetCreateTable.h"
#include "platform/ado/JetExpression.h"
#include "platform/ado/JetTokens.h"

namespace bindershelf::ado {

namespace {

// Drops a ";" that ends the statement; refuses anything after it.
void DropStatementEnd(std::vector<TToken>& tokens) {
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].Kind != TTokenKind::Punct || tokens[i].Text != ";") continue;
    if (NextSignificant(tokens, i + 1) < tokens.size())
      throw EDatabaseError("Characters found after end of SQL statement");
    tokens.resize(i);
    return;
  }
}

// DELETE * FROM and DELETE t.* FROM: SQLite names no columns in DELETE.
void DropDeleteColumns(std::vector<TToken>& tokens) {
  std::size_t del = NextSignificant(tokens, 0);
  // EXPLAIN [QUERY PLAN] shows the plan of the statement after it.
  while (del < tokens.size() && (IsWord(tokens[del], "explain") || IsWord(tokens[del], "query") ||
                                 IsWord(tokens[del], "plan")))
    del = NextSignificant(tokens, del + 1);
  if (del >= tokens.size() || !IsWord(tokens[del], "delete")) return;
  std::size_t first = NextSignificant(tokens, del + 1);
  if (first >= tokens.size()) return;
  std::size_t last = tokens.size();
  if (tokens[first].Text == "*") {
    last = first;
  } else if (tokens[first].Kind == TTokenKind::Word || tokens[first].Kind == TTokenKind::Name) {
    std::size_t dot = NextSignificant(tokens, first + 1);
    std::size_t star = dot < tokens.size() ? NextSignificant(tokens, dot + 1) : tokens.size();
    if (dot < tokens.size() && tokens[dot].Text == "." && star < tokens.size() && tokens[star].Text == "*")
      last = star;
  }
  if (last == tokens.size()) return;
  std::size_t from = NextSignificant(tokens, last + 1);
  if (from >= tokens.size() || !IsWord(tokens[from], "from")) return;
  tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(first),
               tokens.begin() + static_cast<std::ptrdiff_t>(from));
}

}  // namespace

std::vector<std::string> TranslateJetStatements(std::string_view jet, const TColumnKindOf& kindOf) {
  std::vector<TToken> tokens = TokenizeJet(jet);
  DropStatementEnd(tokens);
  if (IsCreateTable(tokens)) return TranslateCreateTable(tokens);
  DropDeleteColumns(tokens);
  return {TranslateTokens(tokens, 0, tokens.size(), TLiteralForm::Collated, LikeRanges(tokens, kindOf))};
}

std::string TranslateJet(const std::string& jet) {
  std::string joined;
  for (const std::string& s : TranslateJetStatements(jet)) joined += (joined.empty() ? "" : ";\n") + s;
  return joined;
}

}  // namespace bindershelf::ado
