// Text comparison of the catalog: without regard to letter case, by Unicode simple case
// folding (the same folding serves LIKE), code point by code point. Bytes that do not
// form valid UTF-8 are compared as themselves, each one unit above every code point, so
// the order stays total and consistent for any bytes. A 0xFF byte (never part of UTF-8)
// that ends a text sorts after every text that begins the same way before it: the upper
// bound of a range of texts with one beginning (JetLikeRange.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct sqlite3;

namespace bindershelf::ado {

// The collation's name, as statements and column definitions give it.
inline constexpr const char* kJetNoCase = "JETNOCASE";

// Unit for a byte that does not begin valid UTF-8: kStrayByte + the byte.
inline constexpr uint32_t kStrayByte = 0x110000;

// Reads the unit at text[pos] and moves pos past it: a code point, or kStrayByte + byte.
uint32_t NextUnit(std::string_view text, std::size_t& pos);

// The unit folded by simple case folding (stray bytes stay as they are).
uint32_t FoldUnit(uint32_t unit);

inline uint32_t NextFoldedUnit(std::string_view text, std::size_t& pos) {
  return FoldUnit(NextUnit(text, pos));
}

// Negative, zero or positive as a sorts before, with or after b. No allocation.
// Differs from comparing NextFoldedUnit units only for a text that ends in 0xFF.
int CompareJetNoCase(std::string_view a, std::string_view b);

// Registers the collation on a connection.
void RegisterJetNoCase(sqlite3* db);

}  // namespace bindershelf::ado
