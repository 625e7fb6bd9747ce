#include "catalog/CompressCatalog.h"

#include <stdexcept>
#include <string>

#include "catalog/JRO_TLB.h"
#include "plugin/Common.h"
#include "platform/os/FileSystem.h"

namespace bindershelf::catalog {

namespace {

void PurgeUnusedProperties() {
  CatalogConnection->Execute("delete * from cats where not it in (select id from fs)");
  CatalogConnection->Execute("delete * from cn where not (cat in (select distinct cat from cats))");
}

// With our connection closed, a write-ahead log still beside the file means another
// program has the catalog open; replacing the file under it would pair its log with the
// new file.
void RequireCatalogUnused() {
  if (os::FileSystem().FileExists(CatalogFileName() + "-wal"))
    throw std::runtime_error("The catalog " + CatalogFileName() + " is in use by another program");
}

void WriteCompactedCopy(const std::string& copyFile) {
  os::FileSystem().DeleteFile(copyFile);  // a copy left over from an earlier run
  try {
    CoJetEngine jro;
    jro.CompactDatabase(CatalogConnectionString(), ProviderPrefix + copyFile);
  } catch (...) {
    os::FileSystem().DeleteFile(copyFile);
    throw;
  }
}

}  // namespace

void CompressCatalog() {
  std::lock_guard guard(CatalogLock());
  OpenCatalog();
  PurgeUnusedProperties();
  CatalogConnection->Close();
  RequireCatalogUnused();
  std::string copyFile = ModuleDir + kCompactedCopyName;
  WriteCompactedCopy(copyFile);
  try {
    os::FileSystem().RenameFile(copyFile, CatalogFileName());
  } catch (...) {
    os::FileSystem().DeleteFile(copyFile);
    throw;
  }
  OpenCatalog();
}

}  // namespace bindershelf::catalog
