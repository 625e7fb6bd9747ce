// The functions that column checks and key triggers of translated tables call, so that
// a refused row is reported by table, column or key, and value:
//   jet_fits(value, n, table, column)   1 when value has at most n characters (code
//                                       points); otherwise fails "The value ... is too
//                                       long for the field table.column (at most n
//                                       characters)". Null fits.
//   jet_duplicate(table, key, v1, ...)  always fails "Duplicate value ... in the key
//                                       (key) of table table".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct sqlite3;

namespace bindershelf::ado {

// Characters (code points; a stray byte counts as one) in text.
std::size_t CountCharacters(std::string_view text);

// The value as messages quote it: in double quotes, cut after kQuotedValueLimit characters.
inline constexpr std::size_t kQuotedValueLimit = 80;
std::string QuoteValue(std::string_view value);

void RegisterJetChecks(sqlite3* db);

}  // namespace bindershelf::ado
