// LIKE with a fixed beginning, made something an index can serve.
//
// SQLite cannot look LIKE up in an index when LIKE is a function of the layer. So where a
// condition reads  column LIKE "abc%..."  (a literal whose pattern begins with ordinary
// characters) on a text column of JETNOCASE collation, it becomes
//   (column LIKE 'abc%...' AND column >= 'abc' AND column <= 'abc<FF>')
// with the literals collated JETNOCASE, <FF> standing for the byte 0xFF. Every text that matches begins, once folded, with
// the folded beginning, so it lies in that range (a final 0xFF byte sorts after every
// text that begins the same way, see JetCollation.h): the condition means what it did,
// and an index on the column narrows the rows. Beginnings that are not valid UTF-8, and
// columns whose table is not sure, are left alone.
// Cost: linear in the number of tokens, one column look-up per LIKE.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/ado/JetTokens.h"

namespace bindershelf::ado {

enum class TColumnKind { None, Text, Other };  // no such column; text of JETNOCASE collation; anything else
using TColumnKindOf = std::function<TColumnKind(const std::string& table, const std::string& column)>;

// Text to put before the token at index Before when the tokens are turned into SQL.
struct TInsertion {
  std::size_t Before;
  std::string Text;
};

// The insertions that turn each suitable LIKE into its range form, ordered by position.
std::vector<TInsertion> LikeRanges(const std::vector<TToken>& tokens, const TColumnKindOf& kindOf);

// The fixed beginning of a LIKE pattern: the text before its first %, _ or [.
std::string PatternBeginning(const std::string& pattern);

}  // namespace bindershelf::ado
