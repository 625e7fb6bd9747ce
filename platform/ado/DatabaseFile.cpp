#include "platform/ado/DatabaseFile.h"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/ado/ADO.h"
#include "platform/ado/JetChecks.h"
#include "platform/ado/JetCollation.h"
#include "platform/ado/JetLike.h"

namespace bindershelf::ado {

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr std::size_t kHeaderSize = 100;
constexpr std::size_t kApplicationIdOffset = 68;

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

class TDb {  // closes a connection that is not handed on
 public:
  explicit TDb(sqlite3* db) : Db(db) {}
  ~TDb() { sqlite3_close_v2(Db); }
  sqlite3* Release() { return std::exchange(Db, nullptr); }
  sqlite3* Get() const { return Db; }

 private:
  sqlite3* Db;
};

sqlite3* OpenRaw(const std::string& path, int flags) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_EXRESCODE, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close_v2(db);
    throw EDatabaseError("Cannot open " + Quoted(path) + ": " + message);
  }
  return db;
}

void Configure(sqlite3* db) {
  RegisterJetNoCase(db);
  RegisterJetLike(db);
  RegisterJetChecks(db);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  ExecSql(db, "PRAGMA synchronous=NORMAL");
}

}  // namespace

TColumnKindOf ColumnKindsOf(sqlite3* db) {
  return [db](const std::string& table, const std::string& column) {
    const char* declared = nullptr;
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(db, nullptr, table.c_str(), column.c_str(), &declared, &collation, nullptr,
                                      nullptr, nullptr) != SQLITE_OK)
      return TColumnKind::None;
    std::string d = declared ? declared : "";
    for (char& c : d) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    bool text = d.find("INT") == std::string::npos &&
                (d.find("CHAR") != std::string::npos || d.find("CLOB") != std::string::npos ||
                 d.find("TEXT") != std::string::npos);
    return text && collation && sqlite3_stricmp(collation, kJetNoCase) == 0 ? TColumnKind::Text : TColumnKind::Other;
  };
}

void ExecSql(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK) return;
  std::string message = error ? error : sqlite3_errmsg(db);
  sqlite3_free(error);
  throw EDatabaseError(message);
}

void ThrowSqliteError(sqlite3* db) { throw EDatabaseError(sqlite3_errmsg(db)); }

TSqlStatement::TSqlStatement(sqlite3* db, const std::string& sql) : Db(db) {
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &Stmt, nullptr) != SQLITE_OK)
    ThrowSqliteError(db);
  if (!Stmt) throw EDatabaseError("The statement is empty");
}

TSqlStatement::~TSqlStatement() { sqlite3_finalize(Stmt); }

bool TSqlStatement::Step() {
  int rc = sqlite3_step(Stmt);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  ThrowSqliteError(Db);
}

void RequireCatalogFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) throw EDatabaseError("Could not find file " + Quoted(path));
  std::array<unsigned char, kHeaderSize> header{};
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EDatabaseError("Cannot read " + Quoted(path));
  in.read(reinterpret_cast<char*>(header.data()), header.size());
  bool full = in.gcount() == static_cast<std::streamsize>(header.size());
  static const char kMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
  const unsigned char* id = header.data() + kApplicationIdOffset;
  uint32_t applicationId = (uint32_t{id[0]} << 24) | (uint32_t{id[1]} << 16) | (uint32_t{id[2]} << 8) | id[3];
  if (!full || std::memcmp(header.data(), kMagic, sizeof kMagic) != 0 ||
      applicationId != static_cast<uint32_t>(kCatalogApplicationId))
    throw EDatabaseError(Quoted(path) + " is not a catalog database");
}

sqlite3* OpenCatalogFile(const std::string& path) {
  RequireCatalogFile(path);
  TDb db(OpenRaw(path, SQLITE_OPEN_READWRITE));
  Configure(db.Get());
  return db.Release();
}

void CreateCatalogFile(const std::string& path) {
  if (Exists(path)) throw EDatabaseError("The database " + Quoted(path) + " already exists");
  TDb db(OpenRaw(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE));
  try {
    ExecSql(db.Get(), "PRAGMA application_id=" + std::to_string(kCatalogApplicationId));
    ExecSql(db.Get(), "PRAGMA journal_mode=WAL");
  } catch (...) {
    sqlite3_close_v2(db.Release());
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    throw;
  }
}

void CompactCatalogFile(const std::string& source, const std::string& destination) {
  if (Exists(destination)) throw EDatabaseError("The file " + Quoted(destination) + " already exists");
  TDb db(OpenCatalogFile(source));
  sqlite3_stmt* vacuum = nullptr;
  if (sqlite3_prepare_v2(db.Get(), "VACUUM INTO ?", -1, &vacuum, nullptr) != SQLITE_OK) ThrowSqliteError(db.Get());
  sqlite3_bind_text(vacuum, 1, destination.c_str(), -1, SQLITE_TRANSIENT);
  int rc = sqlite3_step(vacuum);
  std::string message = rc == SQLITE_DONE ? "" : sqlite3_errmsg(db.Get());
  sqlite3_finalize(vacuum);
  try {
    if (rc != SQLITE_DONE) throw EDatabaseError("Cannot compact into " + Quoted(destination) + ": " + message);
    TDb copy(OpenRaw(destination, SQLITE_OPEN_READWRITE));
    ExecSql(copy.Get(), "PRAGMA journal_mode=WAL");
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(destination, ignored);
    throw;
  }
}

}  // namespace bindershelf::ado
