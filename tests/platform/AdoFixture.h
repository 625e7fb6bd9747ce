// A catalog file of its own per test in a fresh directory, and small readers of results.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ado/ADO.h"
#include "support/TempDir.h"

namespace bindershelf::ado::testing {

inline const char* const kJetProvider = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";

// The three creating statements of the catalog, exactly as the catalog runs them.
inline const char* const kCreateFs =
    "CREATE TABLE [fs] ([ID] text(255),[Name] text(255),[PTH] text(255),[PTHor] text(255),[ParID] text(255),"
    "[CreationTime] datetime NULL,[FileAttr] int NULL ,[LastAccess] datetime NULL ,[LastWrite] datetime NULL ,"
    "\t[lwFileSize] int NULL ,\t[upFileSize] int NULL ,[DSC] MEMO,[fnd] bit NULL ,[IDC] counter NULL ,"
    "[Type] int NULL ,\tPRIMARY KEY([ID]))";
inline const char* const kCreateCn = "create table CN([cat] text(255),PRIMARY KEY(cat))";
inline const char* const kCreateCats =
    "create table cats( id counter, cat text(255), [Value] memo, it text(255), PRIMARY KEY(cat,it))";

// The indexes the catalog's queries rely on.
inline const char* const kIndexParent =
    "create index if not exists fs_parent on fs(iif(parid is null,\"\",parid) collate JETNOCASE)";
inline const char* const kIndexOwner = "create index if not exists cats_owner on cats(it)";

class TAdoTest : public ::testing::Test {
 protected:
  // A new database file of the layer, with a connection open on it.
  TADOConnection& NewDatabase(const std::string& name = "vx.dat") {
    std::string path = Dir / name;
    TADOConnection::CreateDatabaseFile(path);
    Connection = std::make_unique<TADOConnection>();
    Connection->ConnectionString = kJetProvider + path;
    Connection->LoginPrompt = false;
    Connection->Open("Admin", "");
    return *Connection;
  }
  // The same with the catalog's three tables.
  TADOConnection& NewCatalog(bool withIndexes = true) {
    NewDatabase();
    for (const char* s : {kCreateFs, kCreateCn, kCreateCats}) Connection->Execute(s);
    if (withIndexes)
      for (const char* s : {kIndexParent, kIndexOwner}) Connection->Execute(s);
    return *Connection;
  }

  // Every row of a query, each field as its display text ("<null>" for Null).
  std::vector<std::vector<std::string>> Rows(const std::string& jet) {
    TADODataSet d;
    d.Connection = Connection.get();
    d.CommandText = jet;
    d.Open();
    std::vector<std::vector<std::string>> rows;
    for (; !d.Eof(); d.Next()) {
      std::vector<std::string> row;
      for (int k = 0; k < d.FieldCount(); ++k)
        row.push_back(d.Fields(k).IsNull() ? "<null>" : d.Fields(k).DisplayText());
      rows.push_back(row);
    }
    return rows;
  }
  // The first field of every row.
  std::vector<std::string> Column(const std::string& jet) {
    std::vector<std::string> values;
    for (const auto& row : Rows(jet)) values.push_back(row.at(0));
    return values;
  }
  // The first field of the only row.
  std::string Scalar(const std::string& jet) {
    auto rows = Rows(jet);
    EXPECT_EQ(rows.size(), 1u) << jet;
    return rows.empty() ? "<no row>" : rows[0].at(0);
  }
  // The message of the error that a statement raises, or "" when it runs.
  std::string ErrorOf(const std::string& jet) {
    try {
      Connection->Execute(jet);
    } catch (const EDatabaseError& e) {
      return e.what();
    }
    return "";
  }
  // The plan SQLite makes for a query, one line per step.
  std::string PlanOf(const std::string& jet) {
    std::string plan;
    for (const auto& row : Rows("explain query plan " + jet)) plan += row.at(3) + "\n";
    return plan;
  }

  testing_support::TTempDir Dir;
  std::unique_ptr<TADOConnection> Connection;
};

}  // namespace bindershelf::ado::testing
