#include "plugin/Startup.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "catalog/Schema.h"
#include "plugin/Common.h"
#include "platform/os/FileSystem.h"

namespace bindershelf {

namespace {

std::string DirectoryPart(const std::string& fileName) {
  auto slash = fileName.find_last_of('/');
  return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

}  // namespace

void InitPlugin(int32_t pluginNumber, tProgressProc progress, tRequestProc request) {
  std::lock_guard guard(CatalogLock());
  PluginNumber = pluginNumber;
  ProgressProc = progress;
  RequestProc = request;

  std::string moduleFile = os::FileSystem().ModuleFileName(reinterpret_cast<const void*>(&InitPlugin));
  if (moduleFile.empty()) throw std::runtime_error("The file name of the module could not be found");
  ModuleDir = DirectoryPart(moduleFile);
  if (DatabaseName.empty()) DatabaseName = kDefaultDatabaseName;
  ProviderPrefix = kProviderPrefix;

  if (!os::FileSystem().FileExists(CatalogFileName())) catalog::CreateCatalog();
  OpenCatalog();
}

void CopyRootName(char* buffer, int32_t maxLength) {
  if (maxLength < 1 || buffer == nullptr) return;
  size_t length = std::min(std::strlen(kRootName), static_cast<size_t>(maxLength) - 1);
  std::memcpy(buffer, kRootName, length);
  buffer[length] = '\0';
}

void ReleaseCatalog(int reason) {
  if (reason != kProcessDetach) return;
  std::lock_guard guard(CatalogLock());
  if (FindDataSet) {
    if (FindDataSet->Active()) FindDataSet->Close();
    FindDataSet.reset();
  }
  if (CatalogConnection) {
    if (CatalogConnection->Connected()) CatalogConnection->Close();
    CatalogConnection.reset();
  }
}

}  // namespace bindershelf
