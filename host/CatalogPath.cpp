#include "host/CatalogPath.h"

#include <algorithm>
#include <vector>

namespace bindershelf::host {

namespace {

constexpr char kSeparator = '\\';

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> Segments(const std::string& path) {
  std::vector<std::string> segments;
  std::string segment;
  for (char c : path) {
    if (IsSeparator(c)) {
      if (!segment.empty()) segments.push_back(segment);
      segment.clear();
    } else {
      segment += c;
    }
  }
  if (!segment.empty()) segments.push_back(segment);
  return segments;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string ResolveCatalogPath(const std::string& current, const std::string& typed) {
  std::vector<std::string> resolved;
  if (typed.empty() || !IsSeparator(typed.front())) resolved = Segments(current);
  for (const std::string& segment : Segments(typed)) {
    if (segment == ".") continue;
    if (segment == "..") {
      if (!resolved.empty()) resolved.pop_back();
      continue;
    }
    resolved.push_back(segment);
  }
  std::string path;
  for (const std::string& segment : resolved) path += kSeparator + segment;
  return path.empty() ? std::string(1, kSeparator) : path;
}

std::string JoinCatalogPath(const std::string& folder, const std::string& name) {
  return FolderWithSeparator(folder) + name;
}

std::string ParentOfCatalogPath(const std::string& path) {
  size_t last = path.find_last_of(kSeparator);
  if (last == std::string::npos || last == 0) return std::string(1, kSeparator);
  return path.substr(0, last);
}

std::string NameOfCatalogPath(const std::string& path) {
  size_t last = path.find_last_of(kSeparator);
  return last == std::string::npos ? path : path.substr(last + 1);
}

std::string FolderWithSeparator(const std::string& folder) {
  if (!folder.empty() && folder.back() == kSeparator) return folder;
  return folder + kSeparator;
}

bool SameCatalogName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

bool IsSameOrBelow(const std::string& path, const std::string& folder) {
  if (SameCatalogName(path, folder)) return true;
  std::string prefix = FolderWithSeparator(folder);
  return path.size() > prefix.size() && SameCatalogName(path.substr(0, prefix.size()), prefix);
}

}  // namespace bindershelf::host
