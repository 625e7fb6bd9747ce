// CREATE TABLE in Jet's terms, made into SQLite's, with what the Jet types promise:
//   text(n), char(n), varchar(n)  TEXT(n) COLLATE JETNOCASE, refusing more than n
//                                 characters (n is 255 when not given)
//   memo, longtext                MEMO TEXT COLLATE JETNOCASE
//   datetime, date                DATETIME REAL (days since 30 December 1899)
//   int, integer, long, smallint  INT
//   bit, yesno                    BIT INTEGER
//   counter, autoincrement        COUNTER INTEGER, numbered on insert when left Null
//   double, float / real, single  DOUBLE / REAL
// The declared names let a dataset tell the types apart (decltype) while SQLite's
// affinity stays the one of the Jet type. Other types pass as written. Key columns get
// NOT NULL; a second row with the same key (compared as the columns compare, so without
// regard to case) is refused naming table, key and value, SQLite's own key staying
// behind it. Counters draw from the table jet_counters, which keeps the last number of
// each counter, so numbers survive compaction and are never given twice.
#pragma once

#include <string>
#include <vector>

#include "platform/ado/JetTokens.h"

namespace bindershelf::ado {

// The table that keeps the last number of every counter column.
inline constexpr const char* kCounterTable = "jet_counters";

// True when the statement begins with CREATE TABLE.
bool IsCreateTable(const std::vector<TToken>& tokens);

// The CREATE TABLE statement first, then the statements that must follow it (counter
// rows, triggers).
std::vector<std::string> TranslateCreateTable(const std::vector<TToken>& tokens);

}  // namespace bindershelf::ado
