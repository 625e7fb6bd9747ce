// Copying catalogued files out: the item's real file is copied to the local name and the
// item's properties, with those of the folders above it, are written into the
// description files beside the copy.
#pragma once

#include <cstdint>
#include <string>

namespace bindershelf::vfs {

// Copies the real file of the item `remoteName` to `localName` and returns the host's
// file code: 0 copied, also when no item has that name (nothing is copied then); 1 the
// target exists and the overwrite flag (1) is not set; 2 the item has no real path, or
// the real file or the target's directory is missing or refused; 3 any other copy error.
// With the move flag (4) and the overwrite flag the target is removed first; the item
// and its real file stay in every case. A local name that begins with "\\\Bindershelf"
// (and no move flag) names a place inside the catalog: the item is copied there as a
// rename does, with that rename's result. Raises on a failed query or description file.
int GetFile(const std::string& remoteName, const std::string& localName, int32_t copyFlags);

}  // namespace bindershelf::vfs
