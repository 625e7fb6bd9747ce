#include "vfs/GetFile.h"

#include <optional>
#include <string_view>

#include "platform/os/FileSystem.h"
#include "plugin/Common.h"
#include "plugin/PathToId.h"
#include "plugin/Progress.h"
#include "plugin/TextPieces.h"
#include "plugin/fsplugin.h"
#include "vfs/CatalogQuery.h"
#include "vfs/Description.h"
#include "vfs/RenMovFile.h"

namespace bindershelf::vfs {

namespace {

// How the host names a place inside this file system: three backslashes and the root name.
constexpr std::string_view kCatalogPrefix = "\\\\\\Bindershelf";

struct TItem {
  bool found = false;
  std::optional<std::string> realPath;  // empty when the item stands for no real file
};

TItem LookUpItem(const std::string& itemId) {
  auto item = OpenQuery("Select * from fs where id=" + Quoted(itemId));
  if (item->Eof()) return {};
  ado::TField& realPath = item->FieldByName("PTHor");
  if (realPath.IsNull()) return {true, std::nullopt};
  return {true, realPath.AsString()};
}

// The host's file code for the Windows error of a failed copy.
int CopyErrorResult(uint32_t windowsError) {
  switch (windowsError) {
    case os::winerr::FileNotFound:
    case os::winerr::PathNotFound:
    case os::winerr::TooManyOpenFiles:
    case os::winerr::AccessDenied:
      return FS_FILE_NOTFOUND;
    case os::winerr::FileExists:
      return FS_FILE_EXISTS;
    default:
      return FS_FILE_READERROR;
  }
}

// Copies the real file and writes the description lines beside the copy, also when the
// copy failed: the lines belong to the target directory either way.
int CopyOut(const std::string& realPath, const std::string& remoteName, const std::string& localName,
            bool failIfExists) {
  uint32_t error = os::FileSystem().CopyFile(realPath, localName, failIfExists);
  ExportDescription(localName, remoteName);
  return error == os::winerr::Success ? FS_FILE_OK : CopyErrorResult(error);
}

int CopyInsideCatalog(const std::string& remoteName, const std::string& localName, bool overwrite) {
  return RenMovFile(remoteName, localName.substr(kCatalogPrefix.size()), overwrite);
}

}  // namespace

int GetFile(const std::string& remoteName, const std::string& localName, int32_t copyFlags) {
  OpenCatalog();
  TItem item = LookUpItem(PathToId(remoteName));
  if (!item.found) return FS_FILE_OK;
  if (!item.realPath) return FS_FILE_NOTFOUND;

  bool overwrite = copyFlags & FS_COPYFLAGS_OVERWRITE;
  bool move = copyFlags & FS_COPYFLAGS_MOVE;
  ReportProgress(remoteName, localName, 0);
  int result;
  if (move && overwrite) {
    os::FileSystem().DeleteFile(localName);
    result = CopyOut(*item.realPath, remoteName, localName, true);
  } else if (!move && localName.starts_with(kCatalogPrefix)) {
    result = CopyInsideCatalog(remoteName, localName, overwrite);
  } else {
    // A move without overwrite is a plain copy that never replaces: the item stays.
    result = CopyOut(*item.realPath, remoteName, localName, !overwrite);
  }
  if (result == FS_FILE_OK) ReportProgress(remoteName, localName, 100);
  return result;
}

}  // namespace bindershelf::vfs
