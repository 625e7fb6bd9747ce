#include "platform/ado/JetChecks.h"

#include <sqlite3.h>

#include "platform/ado/ADO.h"
#include "platform/ado/JetCollation.h"

namespace bindershelf::ado {

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) NextUnit(text, i);
  return count;
}

std::string QuoteValue(std::string_view value) {
  std::size_t i = 0;
  for (std::size_t n = 0; i < value.size() && n < kQuotedValueLimit; ++n) NextUnit(value, i);
  std::string quoted = "\"" + std::string(value.substr(0, i));
  return quoted + (i < value.size() ? "...\"" : "\"");
}

namespace {

std::string_view TextOf(sqlite3_value* v) {
  const auto* s = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return std::string_view(s ? s : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
}

void FitsFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_int(ctx, 1);
    return;
  }
  std::string_view value = TextOf(argv[0]);
  sqlite3_int64 limit = sqlite3_value_int64(argv[1]);
  if (static_cast<sqlite3_int64>(CountCharacters(value)) <= limit) {
    sqlite3_result_int(ctx, 1);
    return;
  }
  std::string message = "The value " + QuoteValue(value) + " is too long for the field " +
                        std::string(TextOf(argv[2])) + "." + std::string(TextOf(argv[3])) + " (at most " +
                        std::to_string(limit) + " characters)";
  sqlite3_result_error(ctx, message.c_str(), -1);
}

void DuplicateFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc < 3) {
    sqlite3_result_error(ctx, "jet_duplicate needs a table, a key and its values", -1);
    return;
  }
  std::string values;
  for (int k = 2; k < argc; ++k) values += (k > 2 ? ", " : "") + QuoteValue(TextOf(argv[k]));
  std::string message = "Duplicate value " + values + " in the key (" + std::string(TextOf(argv[1])) +
                        ") of table " + std::string(TextOf(argv[0]));
  sqlite3_result_error(ctx, message.c_str(), -1);
}

void Register(sqlite3* db, const char* name, int args, void (*f)(sqlite3_context*, int, sqlite3_value**)) {
  if (sqlite3_create_function(db, name, args, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr, f,
                              nullptr, nullptr) != SQLITE_OK)
    throw EDatabaseError(std::string("Cannot register ") + name + ": " + sqlite3_errmsg(db));
}

}  // namespace

void RegisterJetChecks(sqlite3* db) {
  Register(db, "jet_fits", 4, FitsFunction);
  Register(db, "jet_duplicate", -1, DuplicateFunction);
}

}  // namespace bindershelf::ado
