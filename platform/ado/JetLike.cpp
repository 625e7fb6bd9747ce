#include "platform/ado/JetLike.h"

#include <sqlite3.h>

#include <string>

#include "platform/ado/ADO.h"
#include "platform/ado/JetCollation.h"

namespace bindershelf::ado {

TJetPattern::TJetPattern(std::string_view p) {
  if (p.size() > kMaxLikePattern) throw EDatabaseError("LIKE pattern too long");
  std::size_t i = 0;
  while (i < p.size()) {
    if (p[i] == '%') {
      if (Elements.empty() || Elements.back().Kind != TKind::AnyRun) Elements.push_back({TKind::AnyRun});
      ++i;
    } else if (p[i] == '_') {
      Elements.push_back({TKind::AnyUnit});
      ++i;
    } else if (p[i] == '[' && p.find(']', i + 1) != std::string_view::npos) {
      i = ParseSet(p, i);
    } else {
      Elements.push_back({TKind::Unit, NextFoldedUnit(p, i)});
    }
  }
}

// Parses the set that opens at p[open] (a "]" follows) and returns the index after it.
std::size_t TJetPattern::ParseSet(std::string_view p, std::size_t open) {
  std::size_t close = p.find(']', open + 1);
  std::size_t i = open + 1;
  bool negated = i < close && p[i] == '!';
  if (negated) ++i;
  TElement e{negated ? TKind::NotSet : TKind::Set};
  e.First = static_cast<uint32_t>(Ranges.size());
  while (i < close) {
    uint32_t low = NextFoldedUnit(p, i);
    uint32_t high = low;
    if (i + 1 < close && p[i] == '-') {
      ++i;
      high = NextFoldedUnit(p, i);
    }
    Ranges.push_back({low, high});
  }
  e.Count = static_cast<uint32_t>(Ranges.size()) - e.First;
  if (e.Count > 0 || negated) Elements.push_back(e);  // [] matches the empty run
  return close + 1;
}

bool TJetPattern::MatchesOne(const TElement& e, uint32_t unit) const {
  switch (e.Kind) {
    case TKind::Unit:
      return e.Unit == unit;
    case TKind::AnyUnit:
      return true;
    case TKind::Set:
    case TKind::NotSet: {
      bool in = false;
      for (uint32_t k = e.First; k < e.First + e.Count && !in; ++k)
        in = Ranges[k].Low <= unit && unit <= Ranges[k].High;
      return in == (e.Kind == TKind::Set);
    }
    case TKind::AnyRun:
      break;
  }
  return false;
}

// Every element but % takes exactly one unit, so on a mismatch it is enough to go back
// to the last % and let it take one unit more: earlier % never need to take more.
bool TJetPattern::Matches(std::string_view text) const {
  const std::size_t none = Elements.size();
  std::size_t p = 0, t = 0;
  std::size_t runElement = none, runText = 0;
  while (t < text.size()) {
    if (p < Elements.size() && Elements[p].Kind == TKind::AnyRun) {
      runElement = p++;
      runText = t;
      continue;
    }
    if (p < Elements.size()) {
      std::size_t next = t;
      if (MatchesOne(Elements[p], NextFoldedUnit(text, next))) {
        ++p;
        t = next;
        continue;
      }
    }
    if (runElement == none) return false;
    p = runElement + 1;
    NextUnit(text, runText);
    t = runText;
  }
  while (p < Elements.size() && Elements[p].Kind == TKind::AnyRun) ++p;
  return p == Elements.size();
}

bool JetLike(std::string_view pattern, std::string_view text) { return TJetPattern(pattern).Matches(text); }

namespace {

std::string_view TextOf(sqlite3_value* v) {
  const auto* s = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return std::string_view(s ? s : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
}

void DeletePattern(void* p) { delete static_cast<TJetPattern*>(p); }

// A pattern that stays the same from row to row is compiled once per statement.
const TJetPattern* PatternOf(sqlite3_context* ctx, sqlite3_value* v) {
  if (auto* cached = static_cast<TJetPattern*>(sqlite3_get_auxdata(ctx, 0))) return cached;
  auto* compiled = new TJetPattern(TextOf(v));
  sqlite3_set_auxdata(ctx, 0, compiled, DeletePattern);
  return static_cast<TJetPattern*>(sqlite3_get_auxdata(ctx, 0));
}

void LikeFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  try {
    const TJetPattern* pattern = PatternOf(ctx, argv[0]);
    if (!pattern) {  // the cache could not keep it (out of memory)
      TJetPattern once(TextOf(argv[0]));
      sqlite3_result_int(ctx, once.Matches(TextOf(argv[1])) ? 1 : 0);
      return;
    }
    sqlite3_result_int(ctx, pattern->Matches(TextOf(argv[1])) ? 1 : 0);
  } catch (const std::exception& e) {
    sqlite3_result_error(ctx, e.what(), -1);
  }
}

}  // namespace

void RegisterJetLike(sqlite3* db) {
  if (sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                              LikeFunction, nullptr, nullptr) != SQLITE_OK)
    throw EDatabaseError(std::string("Cannot register LIKE: ") + sqlite3_errmsg(db));
}

}  // namespace bindershelf::ado
