// The data-access layer: a connection and datasets in the manner of ADO, over an SQLite
// file, speaking the Jet SQL dialect (see JetDialect.h). Errors are raised as
// EDatabaseError with a message that names what failed.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace bindershelf::ado {

class EDatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Jet column types as the datasets report them.
enum class TFieldType { ftUnknown, ftString, ftMemo, ftInteger, ftAutoInc, ftBoolean, ftFloat, ftDateTime };

// One field of the current row. Null is told apart from every value.
class TField {
 public:
  using TValue = std::variant<std::monostate, int64_t, double, std::string>;

  TField(std::string name, TFieldType type, std::string table, std::string column);

  const std::string& FieldName() const { return Name; }
  TFieldType DataType() const { return Type; }
  bool IsNull() const { return std::holds_alternative<std::monostate>(Value); }
  const TValue& GetValue() const { return Value; }

  // Conversions raise EDatabaseError naming the field when the value is Null or does not
  // convert (text that is not a number, a number out of the 32-bit range).
  std::string AsString() const;
  int32_t AsInteger() const;
  int64_t AsLargeInt() const;
  double AsFloat() const;
  double AsDateTime() const { return AsFloat(); }
  // The text of the value, or "" for Null.
  std::string DisplayText() const;

  // Setters mark the field changed; they are legal only while the dataset edits or inserts.
  void SetAsString(const std::string& v);
  void SetAsInteger(int64_t v);
  void SetAsFloat(double v);
  void SetAsDateTime(double v) { SetAsFloat(v); }
  void Clear();
  // Any value, Null included, as another field holds it.
  void SetValue(const TValue& v);

 private:
  friend class TADODataSet;
  void Load(TValue v);
  void RequireWritable() const;

  std::string Name;
  TFieldType Type;
  std::string Table;   // base table of the column, empty for an expression
  std::string Column;  // base column name
  TValue Value;
  bool Changed = false;
  bool Writable = false;
};

class TADODataSet;

// One connection to a catalog file. Its connection string carries the Jet provider text
// and the file in "Data Source=". Every call takes the connection's lock, so two threads
// may each run their own statements and datasets on it. A dataset itself belongs to one
// thread, and closing the connection under another thread's open dataset is a race the
// caller must prevent: callers that need several calls to stand together (close,
// compact and reopen) hold one lock of their own around all their work.
class TADOConnection {
 public:
  TADOConnection();
  ~TADOConnection();
  TADOConnection(const TADOConnection&) = delete;
  TADOConnection& operator=(const TADOConnection&) = delete;

  std::string ConnectionString;
  bool LoginPrompt = true;

  // Opens the file named by Data Source. Refuses, without writing to it, a file that is
  // missing, empty, or not a database of this layer ("... is not a catalog database").
  void Open(const std::string& userName, const std::string& password);
  // Closes the connection; every dataset open on it is closed first.
  void Close();
  bool Connected() const;

  // Runs one Jet statement that returns no rows; returns the number of rows changed.
  int64_t Execute(const std::string& jetStatement);

  // The file that Data Source names.
  std::string DataSource() const;

  // Whether the open database has a table of that name (without regard to letter case).
  bool TableExists(const std::string& table);

  std::recursive_mutex& Lock() { return Mutex; }

  // Makes a new, empty database file for this layer; fails if the file exists.
  static void CreateDatabaseFile(const std::string& path);
  // Writes a compacted copy of the database file at source to destination, with every
  // table, row, index and counter; fails if destination exists. The source must not be
  // open on any connection of this process.
  static void CompactDatabaseFile(const std::string& source, const std::string& destination);

 private:
  friend class TADODataSet;
  sqlite3* Handle();  // opens on demand with the connection string it holds
  void Attach(TADODataSet* d);
  void Detach(TADODataSet* d);
  int64_t Run(const std::string& sql);

  mutable std::recursive_mutex Mutex;
  sqlite3* Db = nullptr;
  std::vector<TADODataSet*> DataSets;
};

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// A query and a cursor over its rows. Rows stream from the database one at a time.
// Datasets over one table (with no join, DISTINCT or grouping) can also append, edit,
// post and delete rows of that table.
class TADODataSet {
 public:
  TADODataSet();
  ~TADODataSet();
  TADODataSet(const TADODataSet&) = delete;
  TADODataSet& operator=(const TADODataSet&) = delete;

  TADOConnection* Connection = nullptr;
  std::string CommandText;  // Jet SQL

  // Runs CommandText and stands on the first row (or at the end). The rows come from
  // the database one at a time as Next asks for them.
  void Open();
  void Close();
  bool Active() const { return State != TDataSetState::dsInactive; }
  TDataSetState GetState() const { return State; }
  bool Eof() const { return AtEnd; }
  // True when the dataset stands on no row (an empty result, or the row it stood on was
  // deleted with none after it). Past the last row the fields keep that row's values.
  bool IsEmpty() const;
  // Moves to the next row; posts pending changes first. After an appended row (which
  // stands after the rows of the query) it reaches the end.
  void Next();

  int FieldCount() const { return static_cast<int>(FieldList.size()); }
  TField& Fields(int index);
  TField& FieldByName(const std::string& name);  // without regard to letter case
  TField* FindField(const std::string& name);

  void Append();  // a new row, stored by Post
  void Insert() { Append(); }
  void Edit();    // change the current row, stored by Post
  // Stores the new or changed row: an append writes only the fields that were set (so
  // counters and defaults fill in the rest) and then reads the stored row back.
  void Post();
  void Cancel();
  // Removes the current row and stands on the next. A new row is only cancelled; the
  // pending changes of an edited row are stored first.
  void Delete();

 private:
  friend class TADOConnection;
  std::unique_lock<std::recursive_mutex> Guard() const;
  void Prepare(sqlite3* db, const std::string& sql);
  void MakeFields();
  void LoadRow();
  void Step();
  void Finalize();
  void RequireActive(const char* what) const;
  void RequireWritable(const char* what) const;
  void CheckBrowseMode();
  void BeginChange(TDataSetState state);
  void EndChange();
  void PostInsert(sqlite3* db);
  void PostEdit(sqlite3* db);
  void Reread(sqlite3* db);
  void ClearRow();

  TDataSetState State = TDataSetState::dsInactive;
  sqlite3_stmt* Stmt = nullptr;
  bool AtEnd = true;
  bool HasRow = false;       // the fields hold a row that exists
  bool AppendedRow = false;  // the row is one this dataset appended, after the query's rows
  bool RowIdKnown = false;
  int64_t RowId = 0;
  int FirstColumn = 0;    // 1 when column 0 of the statement is the row id
  std::string BaseTable;  // the table rows are written to; empty when read-only
  std::vector<TField> FieldList;
  std::vector<TField::TValue> Saved;  // the row as it was before Edit or Append
  TADOConnection* OpenOn = nullptr;
};

}  // namespace bindershelf::ado
