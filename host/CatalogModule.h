// The module's entry points as the host calls them: the strings they may write into are
// copies of the host's own, listings come back whole, and a missing entry point is
// reported when a command first needs it.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/CatalogEntry.h"
#include "host/ModuleLibrary.h"
#include "plugin/fsplugin.h"

namespace bindershelf::host {

struct THostCallbacks {
  tProgressProc progress;
  tLogProc log;
  tRequestProc request;
};

struct TIconAnswer {
  int32_t result = FS_ICON_USEDEFAULT;
  HICON icon = nullptr;
};

class TCatalogModule {
 public:
  explicit TCatalogModule(const std::filesystem::path& file);

  // FsInit with the host's callbacks, then FsSetDefaultParams where the module has it.
  // Raises THostError when FsInit reports a failure.
  void Start(const THostCallbacks& callbacks);
  std::string RootName() const;

  // A folder's entries without the "." and ".." markers: empty for an empty folder.
  std::vector<TCatalogEntry> List(const std::string& folder) const;
  bool MakeFolder(const std::string& path) const;
  int32_t PutFile(const std::string& localName, const std::string& remoteName, int32_t copyFlags) const;
  int32_t GetFile(const std::string& remoteName, const std::string& localName, int32_t copyFlags,
                  RemoteInfoStruct info) const;
  int32_t RenameOrMove(const std::string& oldName, const std::string& newName, bool move, bool overwrite,
                       RemoteInfoStruct info) const;
  bool DeleteFile(const std::string& remoteName) const;
  bool RemoveFolder(const std::string& remoteName) const;
  // remoteName is the host's MAX_PATH buffer: the module may write a folder to go to.
  int32_t Execute(std::string& remoteName, const std::string& verb) const;

  // False while the module does not give icons of its own.
  bool GivesIcons() const;
  TIconAnswer ExtractIcon(const std::string& remoteName, int32_t flags) const;

  // The module learns where operations begin and end, when it wants to know.
  void StatusInfo(const std::string& remoteFolder, int32_t phase, int32_t operation) const;

  const std::filesystem::path& File() const { return Library.File(); }

  // Raises TMissingExport for the first of these entry points that the module lacks, so a
  // command fails before it has done half its work.
  void Require(std::initializer_list<const char*> exportNames) const;

 private:
  TModuleLibrary Library;
};

// Tells the module of an operation's start at construction and of its end at destruction.
class TOperationScope {
 public:
  TOperationScope(const TCatalogModule& module, std::string remoteFolder, int32_t operation);
  ~TOperationScope();
  TOperationScope(const TOperationScope&) = delete;
  TOperationScope& operator=(const TOperationScope&) = delete;

 private:
  const TCatalogModule& Module;
  std::string Folder;
  int32_t Operation;
};

}  // namespace bindershelf::host
