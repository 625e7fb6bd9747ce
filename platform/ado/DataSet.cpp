// Datasets: a query whose rows stream from the database, and the writing of rows of a
// query over one table.
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/ado/ADO.h"
#include "platform/ado/DatabaseFile.h"
#include "platform/ado/JetCollation.h"
#include "platform/ado/JetDialect.h"
#include "platform/ado/JetTokens.h"

namespace bindershelf::ado {

namespace {

constexpr const char* kRowIdColumn = "\"jet_rowid\"";

std::string Upper(const char* s) {
  std::string u(s);
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

// The Jet type from the declared type that the layer's CREATE TABLE gives each column.
TFieldType TypeFromDeclared(const char* declared) {
  if (!declared) return TFieldType::ftUnknown;
  const std::string d = Upper(declared);
  auto starts = [&](const char* p) { return d.rfind(p, 0) == 0; };
  auto has = [&](const char* p) { return d.find(p) != std::string::npos; };
  if (starts("MEMO")) return TFieldType::ftMemo;
  if (starts("DATETIME")) return TFieldType::ftDateTime;
  if (starts("COUNTER")) return TFieldType::ftAutoInc;
  if (starts("BIT")) return TFieldType::ftBoolean;
  if (has("CHAR") || has("CLOB") || has("TEXT")) return TFieldType::ftString;
  if (has("INT")) return TFieldType::ftInteger;
  if (has("REAL") || has("FLOA") || has("DOUB")) return TFieldType::ftFloat;
  return TFieldType::ftUnknown;
}

TFieldType TypeFromValue(int type) {
  switch (type) {
    case SQLITE_INTEGER:
      return TFieldType::ftInteger;
    case SQLITE_FLOAT:
      return TFieldType::ftFloat;
    case SQLITE_TEXT:
      return TFieldType::ftString;
    default:
      return TFieldType::ftUnknown;
  }
}

TField::TValue ColumnValue(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
      return static_cast<int64_t>(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
      return sqlite3_column_double(stmt, column);
    case SQLITE_NULL:
      return std::monostate{};
    default: {
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
      return std::string(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
    }
  }
}

void Bind(sqlite3_stmt* stmt, int index, const TField::TValue& v) {
  if (const auto* i = std::get_if<int64_t>(&v))
    sqlite3_bind_int64(stmt, index, *i);
  else if (const auto* d = std::get_if<double>(&v))
    sqlite3_bind_double(stmt, index, *d);
  else if (const auto* s = std::get_if<std::string>(&v))
    sqlite3_bind_text(stmt, index, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
  else
    sqlite3_bind_null(stmt, index);
}

// A query whose rows are rows of one table: a SELECT without DISTINCT, grouping or a
// compound. Joins show themselves when the row id turns out ambiguous.
bool HasWritableShape(const std::string& sql) {
  std::vector<TToken> tokens;
  try {
    tokens = TokenizeJet(sql);
  } catch (const EDatabaseError&) {
    return false;
  }
  std::size_t first = NextSignificant(tokens, 0);
  if (first >= tokens.size() || !IsWord(tokens[first], "select")) return false;
  std::size_t second = NextSignificant(tokens, first + 1);
  if (second < tokens.size() && (IsWord(tokens[second], "distinct") || IsWord(tokens[second], "all"))) return false;
  int depth = 0;
  for (const TToken& t : tokens) {
    if (t.Text == "(") ++depth;
    if (t.Text == ")") --depth;
    if (depth != 0) continue;
    for (const char* w : {"group", "union", "intersect", "except", "join", "having", "window"})
      if (IsWord(t, w)) return false;
  }
  return true;
}

// The query with the row id as its first column, so rows can be written back.
std::string WithRowId(const std::string& sql) {
  std::size_t select = sql.find_first_not_of(" \t\r\n");
  return sql.substr(0, select + 6) + " _rowid_ AS " + kRowIdColumn + "," + sql.substr(select + 6);
}

bool SameName(const std::string& a, const std::string& b) { return CompareJetNoCase(a, b) == 0; }

}  // namespace

TADODataSet::TADODataSet() = default;

TADODataSet::~TADODataSet() {
  try {
    Close();
  } catch (...) {
  }
}

// The lock of the connection the dataset is open on. A closed dataset holds no connection,
// and the one it names may be gone by now (a dataset may outlive it).
std::unique_lock<std::recursive_mutex> TADODataSet::Guard() const {
  return OpenOn ? std::unique_lock<std::recursive_mutex>(OpenOn->Mutex) : std::unique_lock<std::recursive_mutex>();
}

void TADODataSet::RequireActive(const char* what) const {
  if (State == TDataSetState::dsInactive) throw EDatabaseError(std::string("Cannot ") + what + ": the dataset is closed");
}

void TADODataSet::RequireWritable(const char* what) const {
  if (BaseTable.empty())
    throw EDatabaseError(std::string("Cannot ") + what +
                         ": the query of this dataset is read-only (it joins tables, groups rows or selects DISTINCT)");
}

void TADODataSet::Open() {
  if (!Connection) throw EDatabaseError("The dataset has no connection");
  std::lock_guard guard(Connection->Mutex);
  if (Active()) return;
  sqlite3* db = Connection->Handle();
  std::vector<std::string> statements = TranslateJetStatements(CommandText, ColumnKindsOf(db));
  if (statements.size() != 1) throw EDatabaseError("A dataset runs one query, not a CREATE TABLE");
  Prepare(db, statements.front());
  OpenOn = Connection;
  OpenOn->Attach(this);
  MakeFields();
  State = TDataSetState::dsBrowse;
  AtEnd = HasRow = AppendedRow = false;
  try {
    Step();
  } catch (...) {
    Close();
    throw;
  }
}

void TADODataSet::Prepare(sqlite3* db, const std::string& sql) {
  FirstColumn = 0;
  if (HasWritableShape(sql)) {
    std::string withRowId = WithRowId(sql);
    if (sqlite3_prepare_v2(db, withRowId.c_str(), static_cast<int>(withRowId.size()), &Stmt, nullptr) == SQLITE_OK &&
        Stmt) {
      FirstColumn = 1;
      return;
    }
    sqlite3_finalize(std::exchange(Stmt, nullptr));
  }
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &Stmt, nullptr) != SQLITE_OK) {
    sqlite3_finalize(std::exchange(Stmt, nullptr));
    ThrowSqliteError(db);
  }
  if (!Stmt) throw EDatabaseError("The query of the dataset is empty");
}

void TADODataSet::MakeFields() {
  FieldList.clear();
  BaseTable.clear();
  bool oneTable = FirstColumn == 1;
  for (int c = FirstColumn; c < sqlite3_column_count(Stmt); ++c) {
    const char* table = sqlite3_column_table_name(Stmt, c);
    const char* column = sqlite3_column_origin_name(Stmt, c);
    FieldList.emplace_back(sqlite3_column_name(Stmt, c), TypeFromDeclared(sqlite3_column_decltype(Stmt, c)),
                           table ? table : "", column ? column : "");
    if (!table) continue;
    if (BaseTable.empty()) BaseTable = table;
    oneTable = oneTable && SameName(BaseTable, table);
  }
  if (!oneTable) BaseTable.clear();
}

void TADODataSet::LoadRow() {
  RowIdKnown = FirstColumn == 1;
  RowId = RowIdKnown ? sqlite3_column_int64(Stmt, 0) : 0;
  for (std::size_t k = 0; k < FieldList.size(); ++k) {
    const int c = static_cast<int>(k) + FirstColumn;
    FieldList[k].Load(ColumnValue(Stmt, c));
    // An expression has no declared type: its values tell it.
    if (!sqlite3_column_decltype(Stmt, c) && sqlite3_column_type(Stmt, c) != SQLITE_NULL)
      FieldList[k].Type = TypeFromValue(sqlite3_column_type(Stmt, c));
  }
  HasRow = true;
}

void TADODataSet::Step() {
  int rc = sqlite3_step(Stmt);
  if (rc == SQLITE_ROW) {
    LoadRow();
  } else if (rc == SQLITE_DONE) {
    AtEnd = true;
  } else {
    ThrowSqliteError(sqlite3_db_handle(Stmt));
  }
}

void TADODataSet::Finalize() {
  sqlite3_finalize(std::exchange(Stmt, nullptr));
}

void TADODataSet::Close() {
  auto guard = Guard();
  if (!Active()) return;
  Finalize();
  FieldList.clear();
  Saved.clear();
  BaseTable.clear();
  State = TDataSetState::dsInactive;
  AtEnd = true;
  HasRow = AppendedRow = RowIdKnown = false;
  if (OpenOn) OpenOn->Detach(this);
  OpenOn = nullptr;
}

bool TADODataSet::IsEmpty() const {
  auto guard = Guard();
  return !Active() || !HasRow;
}

void TADODataSet::Next() {
  auto guard = Guard();
  RequireActive("move to the next row");
  CheckBrowseMode();
  if (AtEnd) return;
  if (AppendedRow) {
    AppendedRow = false;
    AtEnd = true;
    return;
  }
  Step();
}

TField& TADODataSet::Fields(int index) {
  auto guard = Guard();
  if (index < 0 || index >= FieldCount())
    throw EDatabaseError("Field index " + std::to_string(index) + " out of range (" + std::to_string(FieldCount()) +
                         " fields)");
  return FieldList[static_cast<std::size_t>(index)];
}

TField* TADODataSet::FindField(const std::string& name) {
  auto guard = Guard();
  for (TField& f : FieldList)
    if (SameName(f.Name, name)) return &f;
  return nullptr;
}

TField& TADODataSet::FieldByName(const std::string& name) {
  auto guard = Guard();
  if (TField* f = FindField(name)) return *f;
  throw EDatabaseError("Field " + name + " not found");
}

void TADODataSet::CheckBrowseMode() {
  if (State != TDataSetState::dsEdit && State != TDataSetState::dsInsert) return;
  bool changed = std::any_of(FieldList.begin(), FieldList.end(), [](const TField& f) { return f.Changed; });
  if (changed)
    Post();
  else
    Cancel();
}

void TADODataSet::BeginChange(TDataSetState state) {
  Saved.clear();
  for (TField& f : FieldList) {
    Saved.push_back(f.Value);
    f.Writable = !f.Column.empty();
    f.Changed = false;
  }
  State = state;
}

void TADODataSet::EndChange() {
  for (TField& f : FieldList) f.Writable = f.Changed = false;
  Saved.clear();
  State = TDataSetState::dsBrowse;
}

void TADODataSet::Append() {
  auto guard = Guard();
  RequireActive("append");
  CheckBrowseMode();
  RequireWritable("append");
  BeginChange(TDataSetState::dsInsert);
  for (TField& f : FieldList) f.Value = std::monostate{};
}

void TADODataSet::Edit() {
  auto guard = Guard();
  RequireActive("edit");
  if (State == TDataSetState::dsEdit) return;
  CheckBrowseMode();
  RequireWritable("edit");
  if (!HasRow) throw EDatabaseError("Cannot edit: the dataset stands on no row");
  BeginChange(TDataSetState::dsEdit);
}

void TADODataSet::Cancel() {
  auto guard = Guard();
  if (State != TDataSetState::dsEdit && State != TDataSetState::dsInsert) return;
  for (std::size_t k = 0; k < FieldList.size() && k < Saved.size(); ++k) FieldList[k].Value = Saved[k];
  EndChange();
}

void TADODataSet::Post() {
  auto guard = Guard();
  RequireActive("post");
  if (State == TDataSetState::dsInsert)
    PostInsert(OpenOn->Handle());
  else if (State == TDataSetState::dsEdit)
    PostEdit(OpenOn->Handle());
}

void TADODataSet::PostInsert(sqlite3* db) {
  std::string columns, marks;
  std::vector<const TField*> set;
  for (const TField& f : FieldList)
    if (f.Changed && f.Writable) {
      columns += (set.empty() ? "" : ",") + QuoteName(f.Column);
      marks += set.empty() ? "?" : ",?";
      set.push_back(&f);
    }
  std::string sql = "INSERT INTO " + QuoteName(BaseTable) +
                    (set.empty() ? std::string(" DEFAULT VALUES") : " (" + columns + ") VALUES (" + marks + ")");
  TSqlStatement insert(db, sql);
  for (std::size_t k = 0; k < set.size(); ++k) Bind(insert.Get(), static_cast<int>(k) + 1, set[k]->Value);
  insert.Step();
  RowId = sqlite3_last_insert_rowid(db);
  RowIdKnown = true;
  Reread(db);
  HasRow = AppendedRow = true;
  AtEnd = false;
  EndChange();
}

void TADODataSet::PostEdit(sqlite3* db) {
  std::string assignments;
  std::vector<const TField*> set;
  for (const TField& f : FieldList)
    if (f.Changed && f.Writable) {
      assignments += (set.empty() ? "" : ",") + QuoteName(f.Column) + "=?";
      set.push_back(&f);
    }
  if (!set.empty()) {
    TSqlStatement update(db, "UPDATE " + QuoteName(BaseTable) + " SET " + assignments + " WHERE _rowid_=?");
    for (std::size_t k = 0; k < set.size(); ++k) Bind(update.Get(), static_cast<int>(k) + 1, set[k]->Value);
    sqlite3_bind_int64(update.Get(), static_cast<int>(set.size()) + 1, RowId);
    update.Step();
    Reread(db);
  }
  EndChange();
}

// Reads the stored row back: counters, defaults and whatever the database made of the values.
void TADODataSet::Reread(sqlite3* db) {
  std::string columns;
  std::vector<TField*> read;
  for (TField& f : FieldList)
    if (!f.Column.empty()) {
      columns += (read.empty() ? "" : ",") + QuoteName(f.Column);
      read.push_back(&f);
    }
  if (read.empty()) return;
  TSqlStatement select(db, "SELECT " + columns + " FROM " + QuoteName(BaseTable) + " WHERE _rowid_=?");
  sqlite3_bind_int64(select.Get(), 1, RowId);
  if (!select.Step()) return;
  for (std::size_t k = 0; k < read.size(); ++k) read[k]->Load(ColumnValue(select.Get(), static_cast<int>(k)));
}

void TADODataSet::ClearRow() {
  for (TField& f : FieldList) f.Load(std::monostate{});
  HasRow = false;
}

void TADODataSet::Delete() {
  auto guard = Guard();
  RequireActive("delete");
  if (State == TDataSetState::dsInsert) {
    Cancel();
    return;
  }
  if (State == TDataSetState::dsEdit) Post();
  RequireWritable("delete");
  if (!HasRow) throw EDatabaseError("Cannot delete: the dataset stands on no row");
  sqlite3* db = OpenOn->Handle();
  TSqlStatement remove(db, "DELETE FROM " + QuoteName(BaseTable) + " WHERE _rowid_=?");
  sqlite3_bind_int64(remove.Get(), 1, RowId);
  remove.Step();
  ClearRow();
  if (AppendedRow) {
    AppendedRow = false;
    AtEnd = true;
  }
  if (!AtEnd) Step();
}

}  // namespace bindershelf::ado
