// The connection: its file, its statements, and the datasets open on it.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/ado/ADO.h"
#include "platform/ado/DatabaseFile.h"
#include "platform/ado/JetDialect.h"

namespace bindershelf::ado {

namespace {

std::string Trim(const std::string& s) {
  std::size_t from = s.find_first_not_of(" \t"), to = s.find_last_not_of(" \t");
  return from == std::string::npos ? std::string() : s.substr(from, to - from + 1);
}

bool SameKey(const std::string& a, const char* b) {
  return std::equal(a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
                    [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y)); });
}

std::string Unquoted(const std::string& v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) return v.substr(1, v.size() - 2);
  return v;
}

}  // namespace

TADOConnection::TADOConnection() = default;

TADOConnection::~TADOConnection() {
  try {
    Close();
  } catch (...) {
  }
}

std::string TADOConnection::DataSource() const {
  std::lock_guard guard(Mutex);
  std::size_t from = 0;
  while (from <= ConnectionString.size()) {
    std::size_t end = std::min(ConnectionString.find(';', from), ConnectionString.size());
    std::string part = ConnectionString.substr(from, end - from);
    std::size_t eq = part.find('=');
    if (eq != std::string::npos && SameKey(Trim(part.substr(0, eq)), "data source"))
      return Unquoted(Trim(part.substr(eq + 1)));
    from = end + 1;
  }
  return "";
}

void TADOConnection::Open(const std::string& userName, const std::string& password) {
  std::lock_guard guard(Mutex);
  if (!(userName.empty() || SameKey(userName, "admin")) || !password.empty())
    throw EDatabaseError("Not a valid account name or password");
  if (Db) return;
  std::string file = DataSource();
  if (file.empty()) throw EDatabaseError("The connection string names no Data Source");
  Db = OpenCatalogFile(file);
}

void TADOConnection::Close() {
  std::lock_guard guard(Mutex);
  std::vector<TADODataSet*> open = DataSets;  // each Close detaches itself
  for (TADODataSet* d : open) d->Close();
  DataSets.clear();
  if (Db) sqlite3_close_v2(std::exchange(Db, nullptr));
}

bool TADOConnection::Connected() const {
  std::lock_guard guard(Mutex);
  return Db != nullptr;
}

sqlite3* TADOConnection::Handle() {
  std::lock_guard guard(Mutex);
  if (!Db) Open("Admin", "");
  return Db;
}

void TADOConnection::Attach(TADODataSet* d) {
  if (std::find(DataSets.begin(), DataSets.end(), d) == DataSets.end()) DataSets.push_back(d);
}

void TADOConnection::Detach(TADODataSet* d) { DataSets.erase(std::remove(DataSets.begin(), DataSets.end(), d), DataSets.end()); }

// Runs one SQLite statement to its end; returns the rows it changed.
int64_t TADOConnection::Run(const std::string& sql) {
  TSqlStatement statement(Db, sql);
  // sqlite3_changes keeps the count of an earlier statement across one that changes no rows.
  sqlite3_int64 before = sqlite3_total_changes64(Db);
  while (statement.Step()) {
  }
  return sqlite3_total_changes64(Db) == before ? 0 : sqlite3_changes64(Db);
}

int64_t TADOConnection::Execute(const std::string& jetStatement) {
  std::lock_guard guard(Mutex);
  Handle();
  std::vector<std::string> statements = TranslateJetStatements(jetStatement, ColumnKindsOf(Db));
  if (statements.size() == 1) return Run(statements.front());
  // What one Jet statement became stands or falls together.
  ExecSql(Db, "SAVEPOINT jet_statement");
  try {
    int64_t changed = Run(statements.front());
    for (std::size_t k = 1; k < statements.size(); ++k) Run(statements[k]);
    ExecSql(Db, "RELEASE jet_statement");
    return changed;
  } catch (...) {
    sqlite3_exec(Db, "ROLLBACK TO jet_statement; RELEASE jet_statement", nullptr, nullptr, nullptr);
    throw;
  }
}

bool TADOConnection::TableExists(const std::string& name) {
  std::lock_guard guard(Mutex);
  TSqlStatement statement(Handle(),
                       "SELECT 1 FROM sqlite_schema WHERE type IN ('table','view') AND name = ? COLLATE NOCASE");
  sqlite3_bind_text(statement.Get(), 1, name.c_str(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
  return statement.Step();
}

void TADOConnection::CreateDatabaseFile(const std::string& path) { CreateCatalogFile(path); }

void TADOConnection::CompactDatabaseFile(const std::string& source, const std::string& destination) {
  CompactCatalogFile(source, destination);
}

}  // namespace bindershelf::ado
