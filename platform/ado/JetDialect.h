// Translation of one Jet SQL statement into SQLite's dialect.
//
// Handled, by a tokenizer (JetTokens.h), never by patterns over the whole text:
//   - string literals, [names], + and & joining strings: see JetExpression.h;
//   - DELETE * FROM t and DELETE t.* FROM t ...  ->  DELETE FROM t ...;
//   - CREATE TABLE with the Jet types, keys and counters: see JetCreateTable.h;
//   - LIKE on a text column with a fixed beginning also gets a range an index can
//     serve, when kindOf tells the columns (JetLikeRange.h);
//   - one statement only: a ";" may end it, anything after that is refused.
// Everything else (IIf, LIKE, CREATE INDEX, ...) passes with the token rules applied:
// SQLite has iif, LIKE is the layer's own function (JetLike.h), and JETNOCASE is the
// layer's collation (JetCollation.h).
// Result: the SQLite statements to run in order; all but CREATE TABLE give exactly one.
// Cost: linear in the length of the statement.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/JetLikeRange.h"

namespace bindershelf::ado {

// Raises EDatabaseError for a statement the tokenizer cannot read (an unclosed string or
// [name], text after the end of the statement, a malformed CREATE TABLE).
std::vector<std::string> TranslateJetStatements(std::string_view jet, const TColumnKindOf& kindOf = {});

// The same statements joined with ";\n", for reading and logging.
std::string TranslateJet(const std::string& jet);

}  // namespace bindershelf::ado
