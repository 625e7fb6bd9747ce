#include "plugin/Common.h"

#include "catalog/CatalogIndexes.h"

namespace bindershelf {

int32_t PluginNumber = 0;
tProgressProc ProgressProc = nullptr;
tRequestProc RequestProc = nullptr;
std::unique_ptr<ado::TADOConnection> CatalogConnection;
std::unique_ptr<ado::TADODataSet> FindDataSet;
std::string ProviderPrefix;
std::string ModuleDir;
std::string DatabaseName;
std::string PropertiesItemId;
std::string ListFilter;
bool SearchResultsShown = false;
std::string JumpTarget;

std::recursive_mutex& CatalogLock() {
  static std::recursive_mutex lock;
  return lock;
}

std::string CatalogConnectionString() { return ProviderPrefix + ModuleDir + DatabaseName; }

std::string CatalogFileName() { return ModuleDir + DatabaseName; }

void OpenCatalog() {
  std::lock_guard guard(CatalogLock());
  if (!CatalogConnection) CatalogConnection = std::make_unique<ado::TADOConnection>();
  if (CatalogConnection->Connected()) return;
  // Set anew on every opening, so a connection closed after DatabaseName changed opens
  // on the new file.
  CatalogConnection->ConnectionString = CatalogConnectionString();
  CatalogConnection->LoginPrompt = false;
  CatalogConnection->Open("Admin", "");
  catalog::KeepCatalogIndexes(*CatalogConnection);
}

}  // namespace bindershelf
