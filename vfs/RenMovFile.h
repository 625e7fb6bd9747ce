// Renaming, copying and moving items inside the catalog. Only rows change: the new item
// names the same real file, and the old item stays, also on a move.
#pragma once

#include <string>

namespace bindershelf::vfs {

// Writes the item `oldName` under `newName` (a new row, or the existing one when
// `overwrite`), with its real path, attributes, times and size, and gives it the old
// item's properties. Returns the host's file code: 0 written (also when a property could
// not be added after the row was written; the message is then shown), 1 `newName` exists
// and not `overwrite`, 3 no item `oldName`, 4 the row could not be written (the message
// is shown). A target folder without a real path and without properties first gets the
// properties of the source folder. Raises on a failed lookup.
int RenMovFile(const std::string& oldName, const std::string& newName, bool overwrite);

// Gives the folder `targetFolder` the properties of `sourceFolder` when it has none, and
// first does the same for the folders above it that have no real path, paired level by
// level with those above `sourceFolder`. Raises on a failed statement.
void CopyFolderProperties(const std::string& sourceFolder, const std::string& targetFolder);

}  // namespace bindershelf::vfs
