#include "platform/ado/JetCreateTable.h"

#include "platform/ado/ADO.h"
#include "platform/ado/JetCollation.h"
#include "platform/ado/JetExpression.h"

namespace bindershelf::ado {

namespace {

enum class TJetType { Other, ShortText, Memo, DateTime, Integer, Bit, Counter, Double, Real };

struct TColumn {
  std::string Name;
  TJetType Type = TJetType::Other;
  std::string Length = "255";  // for ShortText
  std::size_t TypeFrom = 0, TypeTo = 0;  // the type as written, for Other
  std::size_t RestFrom = 0, RestTo = 0;  // constraints as written
  bool Key = false;
};

struct TItem {  // a column definition or a table constraint
  std::size_t From, To;
  bool IsColumn;
  TColumn Column;
};

struct TTable {
  std::string Name;
  bool IfNotExists = false;
  std::size_t HeadTo = 0;     // tokens before the name
  std::size_t BodyFrom = 0;   // after "("
  std::size_t BodyTo = 0;     // at ")"
  std::vector<TItem> Items;
  std::vector<std::string> Key;
};

[[noreturn]] void Malformed(const char* what) {
  throw EDatabaseError(std::string("Syntax error in CREATE TABLE statement: ") + what);
}

bool IsNameToken(const TToken& t) { return t.Kind == TTokenKind::Word || t.Kind == TTokenKind::Name; }
std::string NameOf(const TToken& t) { return t.Kind == TTokenKind::Name ? t.Value : std::string(t.Text); }

TJetType TypeNamed(const TToken& t) {
  struct TEntry { const char* word; TJetType type; };
  static const TEntry kTypes[] = {
      {"text", TJetType::ShortText}, {"char", TJetType::ShortText},   {"varchar", TJetType::ShortText},
      {"memo", TJetType::Memo},      {"longtext", TJetType::Memo},    {"datetime", TJetType::DateTime},
      {"date", TJetType::DateTime},  {"int", TJetType::Integer},      {"integer", TJetType::Integer},
      {"long", TJetType::Integer},   {"smallint", TJetType::Integer}, {"bit", TJetType::Bit},
      {"yesno", TJetType::Bit},      {"counter", TJetType::Counter},  {"autoincrement", TJetType::Counter},
      {"double", TJetType::Double},  {"float", TJetType::Double},     {"real", TJetType::Real},
      {"single", TJetType::Real},
  };
  for (const TEntry& e : kTypes)
    if (IsWord(t, e.word)) return e.type;
  return TJetType::Other;
}

// The names listed between the parentheses that open at tokens[i].
std::vector<std::string> NameList(const std::vector<TToken>& tokens, std::size_t i, std::size_t end) {
  std::vector<std::string> names;
  i = NextSignificant(tokens, i);
  if (i >= end || tokens[i].Text != "(") Malformed("a key lists no columns");
  for (i = NextSignificant(tokens, i + 1); i < end && tokens[i].Text != ")"; i = NextSignificant(tokens, i + 1))
    if (IsNameToken(tokens[i])) names.push_back(NameOf(tokens[i]));
  return names;
}

// The index of PRIMARY in "PRIMARY KEY" within [from, to), or to.
std::size_t FindPrimaryKey(const std::vector<TToken>& tokens, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i)
    if (IsWord(tokens[i], "primary")) {
      std::size_t k = NextSignificant(tokens, i + 1);
      if (k < to && IsWord(tokens[k], "key")) return i;
    }
  return to;
}

TColumn ParseColumn(const std::vector<TToken>& tokens, std::size_t from, std::size_t to) {
  TColumn c;
  c.Name = NameOf(tokens[from]);
  std::size_t i = NextSignificant(tokens, from + 1);
  c.TypeFrom = c.TypeTo = i;
  if (i < to && tokens[i].Kind == TTokenKind::Word && !IsWord(tokens[i], "primary") &&
      !IsWord(tokens[i], "not") && !IsWord(tokens[i], "null")) {
    c.Type = TypeNamed(tokens[i]);
    c.TypeTo = ++i;
    std::size_t open = NextSignificant(tokens, i);
    if (open < to && tokens[open].Text == "(") {  // a length, such as text(255)
      std::size_t n = NextSignificant(tokens, open + 1);
      std::size_t close = NextSignificant(tokens, n + 1);
      if (n >= to || tokens[n].Kind != TTokenKind::Number || close >= to || tokens[close].Text != ")")
        Malformed("a type length is not a number in parentheses");
      c.Length = std::string(tokens[n].Text);
      c.TypeTo = i = close + 1;
    }
  }
  c.RestFrom = i;
  c.RestTo = to;
  c.Key = FindPrimaryKey(tokens, c.RestFrom, c.RestTo) < c.RestTo;
  return c;
}

TItem ParseItem(const std::vector<TToken>& tokens, std::size_t from, std::size_t to, TTable& table) {
  TItem item{from, to, false, {}};
  std::size_t first = NextSignificant(tokens, from);
  if (first >= to) Malformed("an empty column definition");
  std::size_t key = FindPrimaryKey(tokens, first, to);
  bool constraint = IsWord(tokens[first], "constraint") || IsWord(tokens[first], "primary") ||
                    IsWord(tokens[first], "unique") || IsWord(tokens[first], "check") ||
                    IsWord(tokens[first], "foreign");
  if (constraint) {
    if (key < to) table.Key = NameList(tokens, NextSignificant(tokens, key + 1) + 1, to);
    return item;
  }
  if (!IsNameToken(tokens[first])) Malformed("a column has no name");
  item.IsColumn = true;
  item.Column = ParseColumn(tokens, first, to);
  if (item.Column.Key) table.Key = {item.Column.Name};
  return item;
}

TTable ParseTable(const std::vector<TToken>& tokens) {
  TTable table;
  std::size_t i = NextSignificant(tokens, NextSignificant(tokens, 0) + 1);  // past CREATE
  i = NextSignificant(tokens, i + 1);                                       // past TABLE
  if (i < tokens.size() && IsWord(tokens[i], "if")) {
    table.IfNotExists = true;
    for (int words = 0; words < 2; ++words) i = NextSignificant(tokens, i + 1);
    i = NextSignificant(tokens, i + 1);
  }
  if (i >= tokens.size() || !IsNameToken(tokens[i])) Malformed("the table has no name");
  table.Name = NameOf(tokens[i]);
  table.HeadTo = i;
  std::size_t open = NextSignificant(tokens, i + 1);
  if (open >= tokens.size() || tokens[open].Text != "(") Malformed("no column list");
  table.BodyFrom = open + 1;
  int depth = 0;
  std::size_t itemFrom = table.BodyFrom;
  for (std::size_t k = table.BodyFrom; k < tokens.size(); ++k) {
    const std::string_view text = tokens[k].Text;
    if (tokens[k].Kind != TTokenKind::Punct) continue;
    if (text == "(") ++depth;
    if (text == ")" && depth-- == 0) {
      table.Items.push_back(ParseItem(tokens, itemFrom, k, table));
      table.BodyTo = k;
      return table;
    }
    if (text == "," && depth == 0) {
      table.Items.push_back(ParseItem(tokens, itemFrom, k, table));
      itemFrom = k + 1;
    }
  }
  Malformed("the column list is not closed");
}

bool IsKeyColumn(const TTable& table, const std::string& column) {
  for (const std::string& k : table.Key)
    if (CompareJetNoCase(k, column) == 0) return true;
  return false;
}

std::string ColumnSql(const std::vector<TToken>& tokens, const TTable& table, const TColumn& c) {
  static const char* const kDeclared[] = {"", "TEXT", "MEMO TEXT", "DATETIME REAL", "INT", "BIT INTEGER",
                                          "COUNTER INTEGER", "DOUBLE", "REAL"};
  std::string sql = QuoteName(c.Name) + " ";
  if (c.Type == TJetType::Other)
    sql += TranslateTokens(tokens, c.TypeFrom, c.TypeTo, TLiteralForm::Plain);
  else
    sql += kDeclared[static_cast<int>(c.Type)];
  if (c.Type == TJetType::ShortText) sql += "(" + c.Length + ")";
  sql += TranslateTokens(tokens, c.RestFrom, c.RestTo, TLiteralForm::Plain);
  if (c.Type == TJetType::ShortText || c.Type == TJetType::Memo) sql += std::string(" COLLATE ") + kJetNoCase;
  if (IsKeyColumn(table, c.Name) && c.Type != TJetType::Counter) sql += " NOT NULL";
  if (c.Type == TJetType::ShortText)
    sql += " CHECK(jet_fits(" + QuoteName(c.Name) + "," + c.Length + "," + QuoteText(table.Name) + "," +
           QuoteText(c.Name) + "))";
  return sql;
}

std::string CreateSql(const std::vector<TToken>& tokens, const TTable& table) {
  std::string sql = TranslateTokens(tokens, 0, table.HeadTo, TLiteralForm::Plain) + QuoteName(table.Name) + " (";
  for (std::size_t k = 0; k < table.Items.size(); ++k) {
    const TItem& item = table.Items[k];
    if (k > 0) sql += ",";
    sql += item.IsColumn ? ColumnSql(tokens, table, item.Column)
                         : TranslateTokens(tokens, item.From, item.To, TLiteralForm::Plain);
  }
  return sql + ")" + TranslateTokens(tokens, table.BodyTo + 1, tokens.size(), TLiteralForm::Plain);
}

std::string Joined(const std::vector<std::string>& names, const char* separator, const char* prefix = "") {
  std::string out;
  for (std::size_t k = 0; k < names.size(); ++k) out += (k ? separator : "") + std::string(prefix) + QuoteName(names[k]);
  return out;
}

std::string KeyMatch(const TTable& table) {
  std::string match;
  for (std::size_t k = 0; k < table.Key.size(); ++k)
    match += (k ? " AND " : "") + QuoteName(table.Key[k]) + " = NEW." + QuoteName(table.Key[k]);
  return match;
}

void AddKeyTriggers(const TTable& table, std::vector<std::string>& out) {
  std::string keyText;
  for (std::size_t k = 0; k < table.Key.size(); ++k) keyText += (k ? ", " : "") + table.Key[k];
  const std::string t = QuoteName(table.Name);
  const std::string refuse = " BEGIN SELECT jet_duplicate(" + QuoteText(table.Name) + "," + QuoteText(keyText) + "," +
                             Joined(table.Key, ",", "NEW.") + "); END";
  const std::string exists = " WHEN EXISTS (SELECT 1 FROM " + t + " WHERE " + KeyMatch(table);
  const char* guard = table.IfNotExists ? "CREATE TRIGGER IF NOT EXISTS " : "CREATE TRIGGER ";
  out.push_back(guard + QuoteName("jet_key_" + table.Name + "_insert") + " BEFORE INSERT ON " + t + exists + ")" +
                refuse);
  out.push_back(guard + QuoteName("jet_key_" + table.Name + "_update") + " BEFORE UPDATE OF " +
                Joined(table.Key, ",") + " ON " + t + exists + " AND _rowid_ <> OLD._rowid_)" + refuse);
}

void AddCounter(const TTable& table, const std::string& column, std::vector<std::string>& out) {
  const std::string t = QuoteName(table.Name), c = QuoteName(column);
  const std::string row = "tbl = " + QuoteText(table.Name) + " AND col = " + QuoteText(column);
  const char* guard = table.IfNotExists ? "CREATE TRIGGER IF NOT EXISTS " : "CREATE TRIGGER ";
  out.push_back(std::string(table.IfNotExists ? "INSERT OR IGNORE" : "INSERT OR REPLACE") + " INTO " +
                kCounterTable + " (tbl, col, last) VALUES (" + QuoteText(table.Name) + ", " + QuoteText(column) +
                ", 0)");
  out.push_back(guard + QuoteName("jet_counter_" + table.Name + "_" + column) + " AFTER INSERT ON " + t +
                " WHEN NEW." + c + " IS NULL BEGIN UPDATE " + kCounterTable + " SET last = last + 1 WHERE " +
                row + "; UPDATE " + t + " SET " + c + " = (SELECT last FROM " + kCounterTable + " WHERE " + row +
                ") WHERE _rowid_ = NEW._rowid_; END");
  // A number given by hand moves the counter past it, so it is not given again.
  out.push_back(guard + QuoteName("jet_counter_" + table.Name + "_" + column + "_given") + " AFTER INSERT ON " +
                t + " WHEN NEW." + c + " IS NOT NULL BEGIN UPDATE " + kCounterTable +
                " SET last = max(last, CAST(NEW." + c + " AS INTEGER)) WHERE " + row + "; END");
}

}  // namespace

bool IsCreateTable(const std::vector<TToken>& tokens) {
  std::size_t first = NextSignificant(tokens, 0);
  if (first >= tokens.size() || !IsWord(tokens[first], "create")) return false;
  std::size_t second = NextSignificant(tokens, first + 1);
  return second < tokens.size() && IsWord(tokens[second], "table");
}

std::vector<std::string> TranslateCreateTable(const std::vector<TToken>& tokens) {
  TTable table = ParseTable(tokens);
  std::vector<std::string> out{CreateSql(tokens, table)};
  bool counters = false;
  for (const TItem& item : table.Items)
    if (item.IsColumn && item.Column.Type == TJetType::Counter) {
      if (!counters)
        out.push_back(std::string("CREATE TABLE IF NOT EXISTS ") + kCounterTable +
                      " (tbl TEXT NOT NULL, col TEXT NOT NULL, last INTEGER NOT NULL, PRIMARY KEY (tbl, col))");
      counters = true;
      AddCounter(table, item.Column.Name, out);
    }
  if (!table.Key.empty()) AddKeyTriggers(table, out);
  return out;
}

}  // namespace bindershelf::ado
