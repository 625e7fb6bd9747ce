#include "platform/ado/JetCollation.h"

#include <sqlite3.h>
#include <unicode/uchar.h>

#include <string>

#include "platform/ado/ADO.h"

namespace bindershelf::ado {

namespace {

// The unit of a final 0xFF byte in comparisons: after every other unit.
constexpr uint32_t kAfterAll = 0xFFFFFFFF;

struct TLead {
  int length;
  uint32_t bits;
  uint32_t smallest;  // below it the sequence is an overlong form
};

// The shape of a multi-byte sequence from its first byte; length 0 for a stray byte.
TLead LeadOf(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return {2, b & 0x1Fu, 0x80};
  if (b >= 0xE0 && b <= 0xEF) return {3, b & 0x0Fu, 0x800};
  if (b >= 0xF0 && b <= 0xF4) return {4, b & 0x07u, 0x10000};
  return {0, 0, 0};
}

}  // namespace

uint32_t NextUnit(std::string_view text, std::size_t& pos) {
  const auto b = static_cast<unsigned char>(text[pos]);
  if (b < 0x80) {
    ++pos;
    return b;
  }
  TLead lead = LeadOf(b);
  if (lead.length == 0 || pos + lead.length > text.size()) {
    ++pos;
    return kStrayByte + b;
  }
  uint32_t cp = lead.bits;
  for (int k = 1; k < lead.length; ++k) {
    const auto c = static_cast<unsigned char>(text[pos + k]);
    if ((c & 0xC0) != 0x80) {
      ++pos;
      return kStrayByte + b;
    }
    cp = (cp << 6) | (c & 0x3Fu);
  }
  if (cp < lead.smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kStrayByte + b;
  }
  pos += lead.length;
  return cp;
}

uint32_t FoldUnit(uint32_t unit) {
  if (unit < 0x80) return (unit >= 'A' && unit <= 'Z') ? unit + 32 : unit;
  if (unit >= kStrayByte) return unit;
  return static_cast<uint32_t>(u_foldCase(static_cast<UChar32>(unit), U_FOLD_CASE_DEFAULT));
}

int CompareJetNoCase(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    uint32_t ua, ub;
    if ((ca | cb) < 0x80) {  // both ASCII: the common case, no table look-up
      ua = FoldUnit(ca);
      ub = FoldUnit(cb);
      ++i;
      ++j;
    } else {
      ua = NextFoldedUnit(a, i);
      ub = NextFoldedUnit(b, j);
      if (ua == kStrayByte + 0xFF && i == a.size()) ua = kAfterAll;
      if (ub == kStrayByte + 0xFF && j == b.size()) ub = kAfterAll;
    }
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

namespace {

int CollateJetNoCase(void*, int na, const void* a, int nb, const void* b) {
  return CompareJetNoCase(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(na)),
                          std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(nb)));
}

}  // namespace

void RegisterJetNoCase(sqlite3* db) {
  if (sqlite3_create_collation(db, kJetNoCase, SQLITE_UTF8, nullptr, CollateJetNoCase) != SQLITE_OK)
    throw EDatabaseError(std::string("Cannot register the collation: ") + sqlite3_errmsg(db));
}

}  // namespace bindershelf::ado
