#include "host/CatalogTree.h"

#include <algorithm>

#include "host/CatalogPath.h"
#include "host/HostError.h"

namespace bindershelf::host {

namespace {

std::string Folded(const std::string& name) {
  std::string folded = name;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

}  // namespace

std::optional<TCatalogEntry> FindItem(const TCatalogModule& module, const std::string& path) {
  std::string name = NameOfCatalogPath(path);
  if (name.empty()) return RootEntry();
  std::vector<TCatalogEntry> entries = module.List(ParentOfCatalogPath(path));
  // The exact spelling wins over one that differs only in letter case.
  auto exact = std::find_if(entries.begin(), entries.end(), [&](const TCatalogEntry& e) { return e.name == name; });
  if (exact != entries.end()) return *exact;
  auto folded = std::find_if(entries.begin(), entries.end(),
                             [&](const TCatalogEntry& e) { return SameCatalogName(e.name, name); });
  if (folded != entries.end()) return *folded;
  return std::nullopt;
}

TCatalogEntry NeedItem(const TCatalogModule& module, const std::string& path) {
  std::optional<TCatalogEntry> item = FindItem(module, path);
  if (!item) throw THostError("no such item: " + path);
  return *item;
}

size_t TCatalogNode::FileCount() const {
  size_t count = files.size() + (entry.IsFolder() ? 0 : 1);
  for (const TCatalogNode& folder : folders) count += folder.FileCount();
  return count;
}

TCatalogNode ReadCatalogTree(const TCatalogModule& module, const std::string& path, const TCatalogEntry& entry) {
  TCatalogNode node{path, entry, {}, {}};
  if (!entry.IsFolder()) return node;
  std::vector<TCatalogEntry> entries = module.List(path);
  SortForDisplay(entries);
  for (const TCatalogEntry& child : entries) {
    std::string childPath = JoinCatalogPath(path, child.name);
    if (child.IsFolder()) node.folders.push_back(ReadCatalogTree(module, childPath, child));
    else node.files.push_back({childPath, child, {}, {}});
  }
  return node;
}

void SortForDisplay(std::vector<TCatalogEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const TCatalogEntry& a, const TCatalogEntry& b) {
    if (a.IsFolder() != b.IsFolder()) return a.IsFolder();
    return Folded(a.name) < Folded(b.name);
  });
}

}  // namespace bindershelf::host
