// The token rules that hold in every part of a Jet statement:
//   "text" or 'text'  ->  'text' COLLATE JETNOCASE (or plain 'text' where a column
//                         definition needs a plain literal). The collation goes with the
//                         literal because an expression such as IIf loses the collation
//                         of its column: this way a comparison with a literal is always
//                         without regard to case, and an index built on the same
//                         expression with that collation serves it.
//   [name]            ->  "name"
//   +                 ->  || when a string literal stands on either side: Jet joins
//                         strings with +, and the statements only ever join strings so
//   &                 ->  || (Jet's other joining operator)
//   anything else     ->  itself
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ado/JetLikeRange.h"
#include "platform/ado/JetTokens.h"

namespace bindershelf::ado {

enum class TLiteralForm { Collated, Plain };

// The SQLite text of tokens[from, to), with the insertions (ordered by position) put in.
std::string TranslateTokens(const std::vector<TToken>& tokens, std::size_t from, std::size_t to,
                            TLiteralForm literals, const std::vector<TInsertion>& insertions = {});

}  // namespace bindershelf::ado
