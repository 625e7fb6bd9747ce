#include "catalog/Schema.h"

#include "catalog/ADOX_TLB.h"
#include "catalog/CatalogIndexes.h"
#include "plugin/Common.h"

namespace bindershelf::catalog {

const char* const kCreateFs =
    "CREATE TABLE [fs] ([ID] text(255),[Name] text(255),[PTH] text(255),[PTHor] text(255),"
    "[ParID] text(255),[CreationTime] datetime NULL,[FileAttr] int NULL ,[LastAccess] datetime NULL ,"
    "[LastWrite] datetime NULL ,\t[lwFileSize] int NULL ,\t[upFileSize] int NULL ,[DSC] MEMO,"
    "[fnd] bit NULL ,[IDC] counter NULL ,[Type] int NULL ,\tPRIMARY KEY([ID]))";
const char* const kCreateCn = "create table CN([cat] text(255),PRIMARY KEY(cat))";
const char* const kCreateCats =
    "create table cats( id counter, cat text(255), [Value] memo, it text(255), PRIMARY KEY(cat,it))";

void CreateCatalog() {
  std::lock_guard guard(CatalogLock());
  if (CatalogConnection && CatalogConnection->Connected()) CatalogConnection->Close();
  CoCatalog adox;
  auto created = adox.Create(CatalogConnectionString());
  OpenCatalog();
  for (const char* statement : {kCreateFs, kCreateCn, kCreateCats}) CatalogConnection->Execute(statement);
  KeepCatalogIndexes(*CatalogConnection);
}

}  // namespace bindershelf::catalog
