// One entry of a catalog folder as the module hands it over in a find-data record.
#pragma once

#include <cstdint>
#include <string>

#include "plugin/fsplugin.h"

namespace bindershelf::host {

struct TCatalogEntry {
  std::string name;
  DWORD attributes = 0;
  uint64_t size = 0;
  FILETIME lastWrite{};

  bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  // False for the interface's no-date marker.
  bool HasWriteTime() const;
  // What a file manager tells the module about the item it copies or renames.
  RemoteInfoStruct RemoteInfo() const;
};

TCatalogEntry EntryFromFindData(const WIN32_FIND_DATAA& data);

// The catalog root, which has no entry of its own in any listing.
TCatalogEntry RootEntry();

}  // namespace bindershelf::host
