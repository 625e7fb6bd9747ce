// The catalog file on disk: made, recognised, opened and compacted. Internal to the
// layer; the connection and datasets use it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ado/JetLikeRange.h"

struct sqlite3;
struct sqlite3_stmt;

namespace bindershelf::ado {

// Marks a file as a database of this layer (PRAGMA application_id; "BSLF").
inline constexpr int32_t kCatalogApplicationId = 0x42534C46;

// Raises EDatabaseError naming the file unless it exists and its header (read with plain
// file reading, so nothing is ever written to a file that is not ours) is the header of
// an SQLite file carrying kCatalogApplicationId.
void RequireCatalogFile(const std::string& path);

// Opens a catalog file read-write (never creating it), with the layer's collation and
// functions, synchronous=NORMAL and a busy timeout. The caller closes it.
sqlite3* OpenCatalogFile(const std::string& path);

// A new, empty catalog file in WAL mode; fails naming the file when it exists.
void CreateCatalogFile(const std::string& path);

// Writes a compacted copy of source to destination (which must not exist), in WAL mode.
void CompactCatalogFile(const std::string& source, const std::string& destination);

// What the database's own schema says of a column, for the translation of LIKE.
TColumnKindOf ColumnKindsOf(sqlite3* db);

// Runs SQL that returns no rows; raises EDatabaseError with SQLite's message.
void ExecSql(sqlite3* db, const std::string& sql);

// Raises EDatabaseError with the connection's last message.
[[noreturn]] void ThrowSqliteError(sqlite3* db);

// One prepared statement, finalized on every way out.
class TSqlStatement {
 public:
  TSqlStatement(sqlite3* db, const std::string& sql);
  ~TSqlStatement();
  TSqlStatement(const TSqlStatement&) = delete;
  TSqlStatement& operator=(const TSqlStatement&) = delete;
  sqlite3_stmt* Get() const { return Stmt; }
  // Steps once; true for a row, false at the end; raises on an error.
  bool Step();

 private:
  sqlite3* Db;
  sqlite3_stmt* Stmt = nullptr;
};

}  // namespace bindershelf::ado
