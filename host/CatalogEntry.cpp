#include "host/CatalogEntry.h"

#include <cstring>

namespace bindershelf::host {

namespace {
constexpr DWORD kNoDateHigh = 0xFFFFFFFF;
constexpr DWORD kNoDateLow = 0xFFFFFFFE;
}  // namespace

bool TCatalogEntry::HasWriteTime() const {
  return !(lastWrite.dwHighDateTime == kNoDateHigh && lastWrite.dwLowDateTime == kNoDateLow);
}

RemoteInfoStruct TCatalogEntry::RemoteInfo() const {
  RemoteInfoStruct info{};
  info.SizeLow = static_cast<DWORD>(size & 0xFFFFFFFFu);
  info.SizeHigh = static_cast<DWORD>(size >> 32);
  info.LastWriteTime = lastWrite;
  info.Attr = static_cast<int32_t>(attributes);
  return info;
}

TCatalogEntry EntryFromFindData(const WIN32_FIND_DATAA& data) {
  TCatalogEntry entry;
  // A name that fills the whole field has no NUL of its own.
  entry.name.assign(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
  entry.attributes = data.dwFileAttributes;
  entry.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  entry.lastWrite = data.ftLastWriteTime;
  return entry;
}

TCatalogEntry RootEntry() {
  TCatalogEntry root;
  root.attributes = FILE_ATTRIBUTE_DIRECTORY;
  root.lastWrite = {kNoDateLow, kNoDateHigh};
  return root;
}

}  // namespace bindershelf::host
