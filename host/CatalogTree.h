// Items of the catalog found by path, and whole folder trees read before a command acts
// on them: the module keeps one listing at a time, so none may be open while it works.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/CatalogModule.h"

namespace bindershelf::host {

// The item at path, from a listing of its folder; the root is always there.
std::optional<TCatalogEntry> FindItem(const TCatalogModule& module, const std::string& path);

// The item at path; raises THostError "no such item" when there is none.
TCatalogEntry NeedItem(const TCatalogModule& module, const std::string& path);

struct TCatalogNode {
  std::string path;
  TCatalogEntry entry;
  std::vector<TCatalogNode> files;
  std::vector<TCatalogNode> folders;

  size_t FileCount() const;
};

// The item at path with, for a folder, everything below it.
TCatalogNode ReadCatalogTree(const TCatalogModule& module, const std::string& path, const TCatalogEntry& entry);

// Folders first, then files, each by name without regard to letter case: a panel's order.
void SortForDisplay(std::vector<TCatalogEntry>& entries);

}  // namespace bindershelf::host
