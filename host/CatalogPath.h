// Catalog paths as the host writes them: segments after "\" ("\Trip\beach.jpg"), the
// root as "\". People may type "/" instead of "\" and paths relative to the current folder.
#pragma once

#include <string>

namespace bindershelf::host {

// The absolute path that typed names, seen from the folder current: "\" or "/" at the
// start means the root, "." stays, ".." goes up (not above the root), empty segments drop.
std::string ResolveCatalogPath(const std::string& current, const std::string& typed);

// folder + "\" + name, without doubling the root's "\".
std::string JoinCatalogPath(const std::string& folder, const std::string& name);

// The folder that holds path ("\" for an item under the root and for the root itself).
std::string ParentOfCatalogPath(const std::string& path);

// The last segment ("" for the root).
std::string NameOfCatalogPath(const std::string& path);

// A folder as the module is told about it in operations: ending in "\".
std::string FolderWithSeparator(const std::string& folder);

// True when path is folder itself or lies below it; letter case does not count, as in the catalog.
bool IsSameOrBelow(const std::string& path, const std::string& folder);

// Catalog names compare without regard to letter case.
bool SameCatalogName(const std::string& a, const std::string& b);

}  // namespace bindershelf::host
