#include "vfs/CustomIcon.h"

#include <mutex>
#include <optional>
#include <string>

#include "platform/os/FileSystem.h"
#include "platform/res/Resources.h"
#include "plugin/Common.h"
#include "plugin/PathToId.h"
#include "plugin/TextPieces.h"
#include "vfs/CatalogQuery.h"

namespace bindershelf::vfs {

namespace {

// The real path of the item, or nothing when it has no row or a Null path. The lock is
// taken before the connection is opened and let go only after the dataset is freed, so
// no statement, switch or compaction of the main thread comes between.
std::optional<std::string> RealPathOf(const std::string& remoteName) {
  std::lock_guard guard(CatalogLock());
  OpenCatalog();
  // Only the item's own row decides: a pattern such as `id like name%` would also match
  // every longer ID beginning with the name (\a.txt.bak for \a.txt, everything below a
  // folder) and read "%" and "_" in names as wildcards. Not logged: the log is for listings.
  auto row = OpenQuery("Select pthor from fs where id=" + Quoted(PathToId(remoteName)));
  if (row->Eof()) return std::nullopt;
  const ado::TField& realPath = row->FieldByName("pthor");
  if (realPath.IsNull()) return std::nullopt;
  return realPath.AsString();
}

int32_t Extracted(const char* resourceName, HICON* icon) {
  *icon = res::LoadIconA(resourceName);
  return FS_ICON_EXTRACTED;
}

}  // namespace

int32_t ExtractCustomIcon(const char* remoteName, int32_t extractFlags, HICON* icon) {
  // The host asks again from its background thread, where a lookup keeps no panel waiting.
  if ((extractFlags & FS_ICONFLAG_BACKGROUND) == 0) return FS_ICON_DELAYED;
  if (icon == nullptr) return FS_ICON_USEDEFAULT;
  std::optional<std::string> realPath = RealPathOf(remoteName ? remoteName : "");
  if (!realPath) return Extracted("SMALLICON", icon);
  // A folder is not a file: a linked folder is marked like a missing file.
  if (os::FileSystem().FileExists(*realPath)) return FS_ICON_USEDEFAULT;
  return Extracted("DELICON", icon);
}

}  // namespace bindershelf::vfs
