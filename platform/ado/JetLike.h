// LIKE with the meaning it has in Jet statements, without regard to letter case.
//
// Pattern grammar (units are code points, or stray bytes, as in JetCollation.h):
//   %        any run of units, the empty run included
//   _        exactly one unit
//   [set]    one unit in the set; [!set] one unit not in it. A set lists units and
//            ranges a-z; a "-" first or last is itself. Units and range ends compare
//            after case folding; a reversed range (z-a) holds nothing. [] matches the
//            empty run; [!] matches any one unit.
//   [        with no "]" after it: the character "[" itself
//   other    that unit, folded
// Result: whether the whole text matches the whole pattern.
// Cost: the pattern is compiled once, O(m); matching keeps one point to return to (the
// last %), so it takes O(n·m) unit steps at worst for a text of n and a pattern of m
// units, never exponential time. Patterns are bounded by kMaxLikePattern bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

struct sqlite3;

namespace bindershelf::ado {

inline constexpr std::size_t kMaxLikePattern = 50000;

class TJetPattern {
 public:
  // Raises EDatabaseError "LIKE pattern too long" past kMaxLikePattern bytes.
  explicit TJetPattern(std::string_view pattern);
  bool Matches(std::string_view text) const;

 private:
  enum class TKind : uint8_t { Unit, AnyUnit, AnyRun, Set, NotSet };
  struct TElement {
    TKind Kind;
    uint32_t Unit = 0;         // Unit
    uint32_t First = 0;        // Set, NotSet: index into Ranges
    uint32_t Count = 0;
  };
  struct TRange {
    uint32_t Low, High;
  };
  std::size_t ParseSet(std::string_view p, std::size_t open);
  bool MatchesOne(const TElement& e, uint32_t unit) const;

  std::vector<TElement> Elements;
  std::vector<TRange> Ranges;
};

// True when text matches pattern; a convenience over TJetPattern.
bool JetLike(std::string_view pattern, std::string_view text);

// Registers like(pattern, text) on a connection: the operator LIKE of every statement.
void RegisterJetLike(sqlite3* db);

}  // namespace bindershelf::ado
