// The listing of a catalog folder, one entry at a time, for the host's panel.
#pragma once

#include <string>

#include "platform/ado/ADO.h"
#include "plugin/fsplugin.h"

namespace bindershelf::vfs {

// Starts the listing of the folder at host path `path` and fills `findData` with its first
// entry; a folder without items (or none at all) lists as the single entry "..". The
// query is logged first; a log that cannot be written does not stop the listing. Returns
// the listing handle 0. Raises on a failed query; FindDataSet then holds no listing.
HANDLE FindFirst(const std::string& path, WIN32_FIND_DATAA& findData);

// Fills `findData` with the next entry and returns true; at the end releases the listing
// and returns false, leaving `findData` as it was.
bool FindNext(WIN32_FIND_DATAA& findData);

// Releases the listing, finished or not.
void FindClose();

// Fills the find-data record from the row the dataset stands on. Raises when FileAttr or
// Name is Null.
void FillFindData(ado::TADODataSet& row, WIN32_FIND_DATAA& findData);

// The query that lists the folder with item ID `folderId`, narrowed by ListFilter.
std::string ListingQuery(const std::string& folderId);

}  // namespace bindershelf::vfs
