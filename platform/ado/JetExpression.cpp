#include "platform/ado/JetExpression.h"

#include "platform/ado/JetCollation.h"

namespace bindershelf::ado {

namespace {

bool IsStringAt(const std::vector<TToken>& tokens, std::size_t i) {
  return i < tokens.size() && tokens[i].Kind == TTokenKind::String;
}

std::size_t PreviousSignificant(const std::vector<TToken>& tokens, std::size_t i) {
  while (i > 0) {
    --i;
    if (tokens[i].Kind != TTokenKind::Space) return i;
  }
  return tokens.size();
}

bool JoinsStrings(const std::vector<TToken>& tokens, std::size_t plus) {
  return IsStringAt(tokens, PreviousSignificant(tokens, plus)) ||
         IsStringAt(tokens, NextSignificant(tokens, plus + 1));
}

}  // namespace

std::string TranslateTokens(const std::vector<TToken>& tokens, std::size_t from, std::size_t to,
                            TLiteralForm literals, const std::vector<TInsertion>& insertions) {
  std::string out;
  auto insertion = insertions.begin();
  auto insertBefore = [&](std::size_t i) {
    for (; insertion != insertions.end() && insertion->Before <= i; ++insertion) out += insertion->Text;
  };
  for (std::size_t i = from; i < to; ++i) {
    insertBefore(i);
    const TToken& t = tokens[i];
    switch (t.Kind) {
      case TTokenKind::String:
        out += QuoteText(t.Value);
        if (literals == TLiteralForm::Collated) out += std::string(" COLLATE ") + kJetNoCase;
        break;
      case TTokenKind::Name:
        out += QuoteName(t.Value);
        break;
      case TTokenKind::Punct:
        if (t.Text == "&" || (t.Text == "+" && JoinsStrings(tokens, i)))
          out += "||";
        else
          out += t.Text;
        break;
      default:
        out += t.Text;
    }
  }
  insertBefore(to);
  return out;
}

}  // namespace bindershelf::ado
