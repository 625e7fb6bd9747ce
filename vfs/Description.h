// The lines of "descript.ion" files: read into an item's properties when a file is
// recorded, written back from them when a file is copied out.
#pragma once

#include <string>

namespace bindershelf::vfs {

constexpr const char* kDescriptionFileName = "descript.ion";

// Reads the line of the entry `name` from the "descript.ion" beside localPath and adds
// its pairs as properties of itemId. Returns 1 when the directory has no description
// file, else 0. Raises when the file cannot be read or a pair is refused (rows added
// before stay).
int ImportDescription(const std::string& localPath, const std::string& name, const std::string& itemId);

// Writes the line of itemId (and first those of the catalog folders above it, into the
// description files of the local directories above localPath) into the "descript.ion"
// beside localPath. Returns 1 when the item has no properties and nothing was written,
// else 0. Raises on a failed query or file operation; the old description file then
// stays as it was.
int ExportDescription(const std::string& localPath, const std::string& itemId);

}  // namespace bindershelf::vfs
