// Every statement the module runs on the catalog, with its exact text, on a catalog made
// by the module's own three creating statements: what each returns or changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/ado/ADO.h"
#include "AdoFixture.h"

namespace bindershelf::ado {
namespace {

using TStrings = std::vector<std::string>;

enum class TAction {
  Query,        // open the statement; the named field of every row is the result
  Execute,      // run it; the rows it changes, then the check query's first column
  Append,       // open it, append a row with the fields given, post
  Edit,         // open it, edit its first row with the fields given, post
  DeleteFirst,  // open it, delete its first row
  Fails,        // opening or running it raises an error whose message holds expected[0]
};

struct TCase {
  const char* does;
  std::string statement;
  TAction action;
  const char* field = nullptr;  // Query: the field read
  int64_t changed = 0;          // Execute: rows changed
  std::vector<std::pair<const char*, std::string>> set = {};  // Append, Edit
  std::string check = "";       // run afterwards; its first column is compared
  TStrings expected = {};       // sorted
  std::string setup = "";       // run before the statement
};

const std::string kFilterPiece =
    " and (id in (select distinct t1.it from cats as t1,cats as t2 where t1.cat like \"%\" + t2.cat + \"%\" and "
    "t1.[value] like \"%\" + t2.[value]+\"%\" and t2.it=\"|FILTER|\") or FileAttr=16) and name like \"";
std::string ListFilter(const std::string& mask) { return kFilterPiece + mask + "\""; }

std::string Listing(const std::string& id) { return "Select * from fs where iif(parid is null,\"\",parid)=\"" + id + "\""; }

std::string ItemQuery(const std::string& id) {
  return "select cats.ID,cats.IT,cats.cat, cats.Value,FS.ID as fs_id, FS.*  from FS left join cats on cats.it=FS.ID "
         "where FS.ID = \"" + id + "\"";
}

std::string ConditionView(const std::string& title, const std::string& owner) {
  return "select cats.ID,cats.IT,cats.cat, cats.Value,\"" + title +
         "\" as [fs_id],\"\" as CreationTime ,\"\" as LastAccess,\"\" as LastWrite,  \"\" as lwFileSize, \"\" as PTHor "
         "from cats where cats.It = \"" + owner + "\"";
}

std::string Results(const std::string& mask) {
  return "select ID,lwFileSize,CreationTime,LastWrite,LastAccess,\"Результаты поиска\" as FS_ID,\"\" as PTHor from fs "
         "where (id in (select distinct t1.it from cats as t1,cats as t2 where t1.cat like \"%\" + t2.cat + \"%\" and "
         "t1.[value] like \"%\" + t2.[value]+\"%\" and t2.it=\"|SEARCH|\")) and name like \"" + mask + "\"";
}

std::string Bulk(const std::string& remoteName) {
  return "select pthor from fs where FileAttr<>16 and id like \"" + remoteName + "%\"";
}

const std::string kNestedDelete =
    "delete cats.* from cats where cats.cat in (select cat from cats where it=\"\\Docs\") and cats.it like "
    "\"\\Docs_%\"";

// Items, properties and categories the cases work on; the comments give the counters.
const char* const kSeed[] = {
    "insert into fs(ID,[Name],parid,Fileattr) values(\"\\Trip\",\"Trip\",\"\",16)",  // 1, not linked
    "insert into fs(ID,[Name],PTHor,parid,Fileattr,lwFileSize,upFileSize) "
    "values(\"\\Trip\\beach.jpg\",\"beach.jpg\",\"/photos/beach.jpg\",\"\\Trip\",32,1000,0)",
    "insert into fs(ID,[Name],PTHor,parid,Fileattr) values(\"\\Trip\\sea.jpg\",\"sea.jpg\",\"/photos/sea.jpg\",\"\\Trip\",32)",
    "insert into fs(ID,[Name],PTHor,parid,Fileattr) values(\"\\Docs\",\"Docs\",\"/docs\",\"\",16)",  // 4, linked
    "insert into fs(ID,[Name],PTHor,parid,Fileattr) values(\"\\Docs\\a.txt\",\"a.txt\",\"/docs/a.txt\",\"\\Docs\",32)",
    "insert into fs(ID,[Name],PTHor,parid,Fileattr) values(\"\\Docsx\",\"Docsx\",\"/other/Docsx\",\"\",32)",
    "insert into fs(ID,[Name],Fileattr) values(\"\\Папка\",\"Папка\",16)",  // 7, parent Null
    "insert into fs(ID,[Name],PTHor,parid,Fileattr) "
    "values(\"\\Папка\\Отчёт.doc\",\"Отчёт.doc\",\"/папка/Отчёт.doc\",\"\\Папка\",32)",
    "insert into cats(cat,[value],it) values(\"Автор\",\"Иванов\",\"\\Trip\\beach.jpg\")",  // 1
    "insert into cats(cat,[value],it) values(\"dsc\",\"Holiday photos\",\"\\Trip\\beach.jpg\")",
    "insert into cats(cat,[value],it) values(\"Project\",\"Alpha\",\"\\Docs\")",
    "insert into cats(cat,[value],it) values(\"Project\",\"Old\",\"\\Docs\\a.txt\")",
    "insert into cats(cat,[value],it) values(\"Автор\",\"Петров\",\"\\Папка\\Отчёт.doc\")",
    "insert into cats(cat,[value],it) values(\"Project\",\"Alpha\",\"|COPY|\")",
    "insert into cats(cat,[value],it) values(\"Авт\",\"\",\"|FILTER|\")",
    "insert into cats(cat,[value],it) values(\"автор\",\"ив\",\"|SEARCH|\")",
    "insert into cats(cat,[value],it) values(\"orphan\",\"x\",\"\\gone\")",
    "insert into CN(cat) values(\"Автор\")",
    "insert into CN(cat) values(\"Project\")",
    "insert into CN(cat) values(\"Unused\")",
};

const TCase kCases[] = {
    // Listing.
    {"listing of the root, a Null parent counting as the root", Listing(""), TAction::Query, "ID", 0, {}, "",
     {"\\Docs", "\\Docsx", "\\Trip", "\\Папка"}},
    {"listing of a folder named in other letter case", Listing("\\trip"), TAction::Query, "ID", 0, {}, "",
     {"\\Trip\\beach.jpg", "\\Trip\\sea.jpg"}},
    {"listing of a Cyrillic folder named in other letter case", Listing("\\ПАПКА"), TAction::Query, "Name", 0, {}, "",
     {"Отчёт.doc"}},
    {"listing of a folder that does not exist", Listing("\\nowhere"), TAction::Query, "ID"},
    {"listing of the root with the filter on", Listing("") + ListFilter("%"), TAction::Query, "ID", 0, {}, "",
     {"\\Docs", "\\Trip", "\\Папка"}},
    {"listing of a folder with the filter on", Listing("\\Trip") + ListFilter("%"), TAction::Query, "ID", 0, {}, "",
     {"\\Trip\\beach.jpg"}},
    {"listing with the filter on and the mask %.%", Listing("") + ListFilter("%.%"), TAction::Query, "ID"},
    // Putting files in.
    {"looking for an unlinked folder to link", "select * from fs where pthor is null and id=\"\\Trip\"", TAction::Query,
     "ID", 0, {}, "", {"\\Trip"}},
    {"a linked folder is not linked again", "select * from fs where pthor is null and id=\"\\Docs\"", TAction::Query,
     "ID"},
    {"recording a put file", "select * from fs where ID=\"\\Trip\\new.jpg\"", TAction::Append, nullptr, 0,
     {{"ID", "\\Trip\\new.jpg"}, {"Name", "new.jpg"}, {"PTHor", "/photos/new.jpg"}, {"ParID", "\\Trip"},
      {"FileAttr", "32"}, {"CreationTime", "45000.25"}, {"LastAccess", "45001"}, {"LastWrite", "45000.5"},
      {"lwFileSize", "-2"}, {"upFileSize", "1"}},
     "select IDC from fs where id=\"\\TRIP\\NEW.JPG\"", {"9"}},
    {"removing the item a put replaces", "delete from fs where id = \"\\Trip\\sea.jpg\"", TAction::Execute, nullptr, 1,
     {}, "select id from fs where parid=\"\\Trip\"", {"\\Trip\\beach.jpg"}},
    {"linking a folder to its local directory", "select * from fs where ID=\"\\Trip\"", TAction::Edit, nullptr, 0,
     {{"PTHor", "/photos"}, {"LastWrite", "45000"}}, "select pthor from fs where id=\"\\Trip\"", {"/photos"}},
    {"giving a put item the copy set",
     "insert into cats(cat,[value],it) select cat,[value],\"\\Trip\\sea.jpg\" from cats where it=\"|COPY|\"",
     TAction::Execute, nullptr, 1, {}, "select [value] from cats where it=\"\\trip\\SEA.jpg\" and cat=\"project\"",
     {"Alpha"}},
    {"the copy set clashing with a category the item has",
     "insert into cats(cat,[value],it) select cat,[value],\"\\Docs\" from cats where it=\"|COPY|\"", TAction::Fails,
     nullptr, 0, {}, "", {"Duplicate value \"Project\", \"\\Docs\" in the key (cat, it) of table cats"}},
    // Getting, renaming, copying.
    {"looking up the item to get", "Select * from fs where id=\"\\Trip\\beach.jpg\"", TAction::Query, "PTHor", 0, {},
     "", {"/photos/beach.jpg"}},
    {"finding the source of a rename", "select * from fs where id = \"\\Trip\\beach.jpg\"", TAction::Query, "ID", 0, {},
     "", {"\\Trip\\beach.jpg"}},
    {"finding the parent of the source", "select * from fs where id=\"\\Trip\"", TAction::Query, "FileAttr", 0, {}, "",
     {"16"}},
    {"copying the properties to the renamed item",
     "insert into cats(cat,[value],it) select cat,[value],\"\\Trip\\b.jpg\" from cats where it = \"\\Trip\\beach.jpg\"",
     TAction::Execute, nullptr, 2, {}, "select cat from cats where it=\"\\Trip\\b.jpg\"", {"dsc", "Автор"}},
    {"asking whether a target folder has properties", "select id from cats where it=\"\\Trip\"", TAction::Query, "id"},
    {"asking whether a folder with a property has properties", "select id from cats where it=\"\\docs\"",
     TAction::Query, "id", 0, {}, "", {"3"}},
    {"giving a new folder the source folder's properties",
     "insert into cats(cat,[value],it) select cat,[value],\"\\Trip\" from cats where it = \"\\Docs\"", TAction::Execute,
     nullptr, 1, {}, "select cat from cats where it=\"\\Trip\"", {"Project"}},
    // Folders.
    {"asking whether a folder to make exists", "select * from fs where id=\"\\New\"", TAction::Query, "ID"},
    {"making a folder", "insert into fs(ID,[Name],parid,Fileattr) values(\"\\New\",\"New\",\"\",16)", TAction::Execute,
     nullptr, 1, {}, "select FileAttr from fs where id=\"\\new\" and pthor is null", {"16"}},
    {"making a folder that exists in other letter case",
     "insert into fs(ID,[Name],parid,Fileattr) values(\"\\TRIP\",\"TRIP\",\"\",16)", TAction::Fails, nullptr, 0, {},
     "", {"Duplicate value \"\\TRIP\" in the key (ID) of table fs"}},
    {"deleting an item", "Delete * from fs where id=\"\\Trip\\beach.jpg\"", TAction::Execute, nullptr, 1, {},
     "select id from fs where parid=\"\\Trip\"", {"\\Trip\\sea.jpg"}},
    {"deleting an item's properties and no others", "Delete * from cats where it=\"\\Trip\\beach.jpg\"",
     TAction::Execute, nullptr, 2, {}, "select count(*) from cats", {"7"}},
    {"deleting an item that has no row", "Delete * from fs where id=\"\\none\"", TAction::Execute, nullptr, 0, {},
     "select count(*) from fs", {"8"}},
    // Execute verbs and commands.
    {"opening an item", "Select * from fs where id=\"\\Docs\\a.txt\"", TAction::Query, "pthor", 0, {}, "",
     {"/docs/a.txt"}},
    {"listing the files below a folder", Bulk("\\Trip"), TAction::Query, "pthor", 0, {}, "",
     {"/photos/beach.jpg", "/photos/sea.jpg"}},
    {"listing the files of the whole catalog", Bulk("\\"), TAction::Query, "pthor", 0, {}, "",
     {"/docs/a.txt", "/other/Docsx", "/photos/beach.jpg", "/photos/sea.jpg", "/папка/Отчёт.doc"}},
    {"listing the files of the whole catalog with the filter on", Bulk("\\") + ListFilter("%"), TAction::Query,
     "pthor", 0, {}, "", {"/photos/beach.jpg", "/папка/Отчёт.doc"}},
    // Icons.
    {"icon lookup of an item", "Select pthor from fs where id Like \"\\Trip\\beach.jpg%\"", TAction::Query, "pthor", 0,
     {}, "", {"/photos/beach.jpg"}},
    {"icon lookup of a folder takes what lies below it", "Select pthor from fs where id Like \"\\trip%\"",
     TAction::Query, "pthor", 0, {}, "", {"/photos/beach.jpg", "/photos/sea.jpg", "<null>"}},
    // Description files.
    {"export: walking up to the parent", "select id from fs where id=\"\\Trip\"", TAction::Query, "id", 0, {}, "",
     {"\\Trip"}},
    {"export: collecting an item's pairs", "select * from cats where it=\"\\Trip\\beach.jpg\"", TAction::Query, "cat",
     0, {}, "", {"dsc", "Автор"}},
    {"import: appending a pair of a description line", "select * from Cats", TAction::Append, nullptr, 0,
     {{"cat", "Year"}, {"Value", "1999"}, {"it", "\\Trip\\sea.jpg"}},
     "select [value] from cats where it=\"\\Trip\\sea.jpg\"", {"1999"}},
    // Properties window.
    {"properties of an item", ItemQuery("\\Trip\\beach.jpg"), TAction::Query, "cat", 0, {}, "", {"dsc", "Автор"}},
    {"the item ID of the properties view", ItemQuery("\\trip\\beach.jpg"), TAction::Query, "FS_ID", 0, {}, "",
     {"\\Trip\\beach.jpg", "\\Trip\\beach.jpg"}},
    {"properties of an item that has none", ItemQuery("\\Trip\\sea.jpg"), TAction::Query, "cat", 0, {}, "",
     {"<null>"}},
    {"properties of a name that is no item", ItemQuery("\\Trip\\"), TAction::Query, "cat"},
    {"adding a property", "select * from cats", TAction::Append, nullptr, 0,
     {{"It", "\\Trip\\sea.jpg"}, {"cat", "Цвет"}, {"value", "red"}}, "select cat from cats where it=\"\\Trip\\sea.jpg\"",
     {"Цвет"}},
    {"the category list", "select cat from cn", TAction::Query, "Cat", 0, {}, "", {"Project", "Unused", "Автор"}},
    {"the category list of the editor", "select  cat from cn", TAction::Query, "cat", 0, {}, "",
     {"Project", "Unused", "Автор"}},
    {"a typed category joins the list", "select  cat from cn", TAction::Append, nullptr, 0, {{"cat", "Новая"}},
     "select cat from cn where cat=\"НОВАЯ\"", {"Новая"}},
    {"changing a property", "select * from cats where id=1", TAction::Edit, nullptr, 0, {{"value", "Сидоров"}},
     "select [value] from cats where id=1", {"Сидоров"}},
    {"changing with no property chosen", "select * from cats where id=", TAction::Fails, nullptr, 0, {}, "",
     {"incomplete input"}},
    {"deleting a property", "delete * from cats where id=1", TAction::Execute, nullptr, 1, {},
     "select cat from cats where it=\"\\Trip\\beach.jpg\"", {"dsc"}},
    {"deleting with no property chosen", "delete * from cats where id=", TAction::Fails, nullptr, 0, {}, "",
     {"incomplete input"}},
    {"nested items lose the categories the item has", kNestedDelete, TAction::Execute, nullptr, 1, {},
     "select it from cats where cat=\"Project\"", {"\\Docs", "|COPY|"}},
    {"nested items receive the item's properties",
     "insert into cats(cat,[Value],it) select distinct cat,[value],[fs].[id] from cats, fs where cats.it=\"\\Docs\" and "
     "fs.id like \"\\Docs_%\"",
     TAction::Execute, nullptr, 2, {}, "select it from cats where cat=\"Project\" and [value]=\"Alpha\"",
     {"\\Docs", "\\Docs\\a.txt", "\\Docsx", "|COPY|"}, kNestedDelete},
    // Filter and search.
    {"the filter conditions", ConditionView("Фильтр", "|FILTER|"), TAction::Query, "cat", 0, {}, "", {"Авт"}},
    {"the title of the filter view", ConditionView("Фильтр", "|FILTER|"), TAction::Query, "fs_id", 0, {}, "",
     {"Фильтр"}},
    {"the search conditions", ConditionView("Поиск", "|SEARCH|"), TAction::Query, "FS_ID", 0, {}, "", {"Поиск"}},
    {"search results", Results("%"), TAction::Query, "ID", 0, {}, "", {"\\Trip\\beach.jpg"}},
    {"the title of the search results", Results("%.JPG"), TAction::Query, "fs_id", 0, {}, "", {"Результаты поиска"}},
    {"search results narrowed by the mask", Results("%.doc"), TAction::Query, "ID"},
    // Property editor and multi-put prompt.
    {"turning Null values into empty strings", "update cats set [value]=\"\" where [value] is null", TAction::Execute,
     nullptr, 1, {}, "select count(*) from cats where [value]=\"\"", {"2"},
     "insert into cats(cat,it) values(\"Note\",\"\\Docs\")"},
    {"the prompt removes the old copy row", "select * from cats where it=\"|COPY|\"", TAction::DeleteFirst, nullptr, 0,
     {}, "select count(*) from cats where it=\"|COPY|\"", {"0"}},
    {"the prompt stores a new copy row", "select * from cats where it=\"|COPY|\"", TAction::Append, nullptr, 0,
     {{"It", "|COPY|"}, {"cat", "Автор"}, {"value", "Сидоров"}}, "select cat from cats where it=\"|copy|\"",
     {"Project", "Автор"}},
    // Compaction.
    {"compaction drops the properties no item owns", "delete * from cats where not it in (select id from fs)",
     TAction::Execute, nullptr, 4, {}, "select it from cats where it like \"|%\" or it=\"\\gone\""},
    {"compaction drops the categories no property uses",
     "delete * from cn where not (cat in (select distinct cat from cats))", TAction::Execute, nullptr, 1, {},
     "select cat from cn", {"Project", "Автор"}},
};

class JetStatements : public testing::TAdoTest {
 protected:
  TStrings Sorted(TStrings v) {
    std::sort(v.begin(), v.end());
    return v;
  }
  TStrings FieldOfRows(const std::string& jet, const char* field) {
    TADODataSet d;
    d.Connection = Connection.get();
    d.CommandText = jet;
    d.Open();
    TStrings values;
    for (; !d.Eof(); d.Next()) {
      const TField& f = d.FieldByName(field);
      values.push_back(f.IsNull() ? "<null>" : f.DisplayText());
    }
    return Sorted(values);
  }
  void Write(const TCase& c) {
    TADODataSet d;
    d.Connection = Connection.get();
    d.CommandText = c.statement;
    d.Open();
    if (c.action == TAction::DeleteFirst) {
      ASSERT_FALSE(d.IsEmpty());
      d.Delete();
      return;
    }
    if (c.action == TAction::Append) {
      d.Append();
    } else {
      ASSERT_FALSE(d.IsEmpty());
      d.Edit();
    }
    for (const auto& [name, value] : c.set) d.FieldByName(name).SetAsString(value);
    d.Post();
  }
  std::string FailureOf(const TCase& c) {
    try {
      if (c.statement.rfind("select", 0) == 0)
        FieldOfRows(c.statement, "id");
      else
        Connection->Execute(c.statement);
    } catch (const EDatabaseError& e) {
      return e.what();
    }
    return "<no error>";
  }
  void Run(const TCase& c) {
    if (!c.setup.empty()) Connection->Execute(c.setup);
    switch (c.action) {
      case TAction::Query:
        EXPECT_EQ(FieldOfRows(c.statement, c.field), Sorted(c.expected));
        return;
      case TAction::Fails:
        EXPECT_NE(FailureOf(c).find(c.expected.at(0)), std::string::npos) << FailureOf(c);
        return;
      case TAction::Execute:
        EXPECT_EQ(Connection->Execute(c.statement), c.changed);
        break;
      default:
        Write(c);
    }
    EXPECT_EQ(Sorted(Column(c.check)), Sorted(c.expected)) << c.check;
  }
};

TEST_F(JetStatements, EveryStatementHasItsEffect) {
  NewCatalog();
  for (const char* s : kSeed) Connection->Execute(s);
  Connection->Close();
  const std::string catalog = Dir / "vx.dat", working = Dir / "case.dat";
  for (const TCase& c : kCases) {
    SCOPED_TRACE(std::string(c.does) + ": " + c.statement);
    std::filesystem::remove(working);
    std::filesystem::copy_file(catalog, working);
    Connection = std::make_unique<TADOConnection>();
    Connection->ConnectionString = testing::kJetProvider + working;
    Connection->Open("Admin", "");
    try {
      Run(c);
    } catch (const EDatabaseError& e) {
      ADD_FAILURE() << e.what();
    }
    Connection->Close();
  }
}

}  // namespace
}  // namespace bindershelf::ado
