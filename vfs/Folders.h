// Making folders in the catalog and deleting items. Only catalog rows change: nothing on
// disk is made or removed, and each call handles exactly one item.
#pragma once

#include <string>

namespace bindershelf::vfs {

// Makes the folder row for host path `path` unless a row with that ID exists. Raises on a
// failed statement.
void MakeFolder(const std::string& path);

// Removes the item named by `remoteName` and its properties; rows below a folder stay.
// Raises on a failed statement; when the item's row could not be removed its properties
// are left too.
void DeleteItem(const std::string& remoteName);

}  // namespace bindershelf::vfs
