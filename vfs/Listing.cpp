#include "vfs/Listing.h"

#include <cstring>
#include <memory>

#include "plugin/CatalogTime.h"
#include "plugin/Common.h"
#include "plugin/PathToId.h"
#include "plugin/QueryLog.h"
#include "plugin/TextPieces.h"

namespace bindershelf::vfs {

namespace {

// The interface's value for a time that is not recorded.
constexpr FILETIME kNoDate{0xFFFFFFFEu, 0xFFFFFFFFu};
constexpr size_t kListedNameCharacters = 250;

void FillEmptyFolderEntry(WIN32_FIND_DATAA& findData) {
  std::memset(&findData, 0, sizeof findData);
  findData.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
  std::strcpy(findData.cFileName, "..");
}

FILETIME TimeOf(ado::TField& field) {
  return field.IsNull() ? kNoDate : CatalogTimeToFileTime(field.AsDateTime());
}

DWORD SizeHalfOf(ado::TField& field) {
  return field.IsNull() ? 0 : static_cast<DWORD>(field.AsInteger());
}

// The name as the record holds it: its first characters, cut again at a character
// boundary so that it fits the record with its NUL.
void CopyName(const std::string& name, char (&target)[MAX_PATH]) {
  std::string listed = FirstCharactersWithin(name, kListedNameCharacters, MAX_PATH - 1);
  std::memcpy(target, listed.data(), listed.size());
  target[listed.size()] = '\0';
}

void LogListingQuery(const std::string& query) {
  try {
    LogQuery(query);
  } catch (const std::exception&) {
    // The listing matters more than its log line.
  }
}

}  // namespace

std::string ListingQuery(const std::string& folderId) {
  return "Select * from fs where iif(parid is null,\"\",parid)=" + Quoted(folderId) + ListFilter;
}

void FillFindData(ado::TADODataSet& row, WIN32_FIND_DATAA& findData) {
  std::memset(&findData, 0, sizeof findData);
  findData.dwFileAttributes = static_cast<DWORD>(row.FieldByName("FileAttr").AsInteger());
  findData.ftCreationTime = TimeOf(row.FieldByName("CreationTime"));
  findData.ftLastAccessTime = TimeOf(row.FieldByName("LastAccess"));
  findData.ftLastWriteTime = TimeOf(row.FieldByName("LastWrite"));
  findData.nFileSizeHigh = SizeHalfOf(row.FieldByName("upFilesize"));
  findData.nFileSizeLow = SizeHalfOf(row.FieldByName("lwFileSize"));
  CopyName(row.FieldByName("Name").AsString(), findData.cFileName);
}

HANDLE FindFirst(const std::string& path, WIN32_FIND_DATAA& findData) {
  FindDataSet.reset();  // an earlier listing is not read again
  auto listing = std::make_unique<ado::TADODataSet>();
  listing->CommandText = ListingQuery(PathToId(path));
  LogListingQuery(listing->CommandText);
  listing->Connection = CatalogConnection.get();
  listing->Open();
  if (listing->Eof()) {
    FillEmptyFolderEntry(findData);
  } else {
    FillFindData(*listing, findData);
    FindDataSet = std::move(listing);
  }
  return nullptr;
}

bool FindNext(WIN32_FIND_DATAA& findData) {
  if (!FindDataSet) return false;
  FindDataSet->Next();
  if (FindDataSet->Eof()) {
    FindDataSet.reset();
    return false;
  }
  FillFindData(*FindDataSet, findData);
  return true;
}

void FindClose() { FindDataSet.reset(); }

}  // namespace bindershelf::vfs
