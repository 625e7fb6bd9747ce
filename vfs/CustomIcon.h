// The icons the module gives catalog items in the host's panel: a crossed-out diskette
// for an item whose real file is gone, a plain one for an item without a real file.
#pragma once

#include <cstdint>

#include "plugin/fsplugin.h"

namespace bindershelf::vfs {

// The answer for the panel entry `remoteName`. Without FS_ICONFLAG_BACKGROUND in
// `extractFlags`: FS_ICON_DELAYED at once, nothing looked up. Otherwise, by the item's own
// row: FS_ICON_USEDEFAULT when its real path names an existing file; FS_ICON_EXTRACTED
// with "DELICON" when it names anything else; FS_ICON_EXTRACTED with "SMALLICON" when it
// is Null or there is no such item. `icon` is written only for FS_ICON_EXTRACTED; with no
// `icon` to write to the answer is FS_ICON_USEDEFAULT. Holds CatalogLock while it uses the
// catalog, so it may run on the host's background thread. Raises on a failed query.
int32_t ExtractCustomIcon(const char* remoteName, int32_t extractFlags, HICON* icon);

}  // namespace bindershelf::vfs
