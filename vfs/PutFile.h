// Recording local files in the catalog. A put copies no bytes: the item names the real
// file and holds its attributes, times and size, and takes the file's description line
// and the copy set as its properties.
#pragma once

#include <cstdint>
#include <string>

namespace bindershelf::vfs {

// Records the local file `localName` as the item `remoteName` and returns the host's file
// code: 0 recorded (also when a property could not be added after the row was written;
// the message is then shown), 1 an item of that name exists and the overwrite flag (1)
// is not set, 4 the local file is missing or the row itself could not be written (the
// message is shown). A file put as "descript.ion" is not recorded and gives 0. The first
// put into a folder without a real path links that folder to the file's directory.
// Raises on a failed lookup or on a failure while linking the folder.
int PutFile(const std::string& localName, const std::string& remoteName, int32_t copyFlags);

// Gives the folder `folderId`, and first the folders above it that have no real path,
// the local directory `localDirectory` (and those above it, level by level) as their
// real path, with the directory's attributes, times, description line and the copy set.
// A hidden local directory is not linked. Raises on a failed statement or description.
void LinkFolder(const std::string& localDirectory, const std::string& folderId);

// Gives the item every pair of the copy set. Raises when one of them is a category the
// item already has.
void ApplyCopyProperties(const std::string& itemId);

}  // namespace bindershelf::vfs
