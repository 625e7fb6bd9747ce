// The state the module keeps from load to unload, shared by every operation, and the
// opening of the one catalog connection.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/ado/ADO.h"
#include "plugin/fsplugin.h"

namespace bindershelf {

extern int32_t PluginNumber;
extern tProgressProc ProgressProc;
extern tRequestProc RequestProc;
extern std::unique_ptr<ado::TADOConnection> CatalogConnection;
extern std::unique_ptr<ado::TADODataSet> FindDataSet;
extern std::string ProviderPrefix;
extern std::string ModuleDir;     // the module's directory, ending in "/"
extern std::string DatabaseName;  // "vx.dat" unless the database command chose another
extern std::string PropertiesItemId;
extern std::string ListFilter;
extern bool SearchResultsShown;
extern std::string JumpTarget;

// Held by every operation that touches the catalog, so that the background icon lookup
// never meets a statement, a connection change or compaction of the main thread halfway.
std::recursive_mutex& CatalogLock();

// The connection string of the catalog file named by ModuleDir and DatabaseName.
std::string CatalogConnectionString();
// The catalog file itself.
std::string CatalogFileName();

// Makes sure CatalogConnection exists and is open; does nothing more when it is open.
// Raises ado::EDatabaseError when the file cannot be opened as a catalog.
void OpenCatalog();

}  // namespace bindershelf
