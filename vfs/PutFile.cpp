#include "vfs/PutFile.h"

#include <exception>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/os/FileSystem.h"
#include "plugin/CatalogTime.h"
#include "plugin/Common.h"
#include "plugin/HostMessage.h"
#include "plugin/PathToId.h"
#include "plugin/Progress.h"
#include "plugin/TextPieces.h"
#include "plugin/fsplugin.h"
#include "vfs/CatalogQuery.h"
#include "vfs/Description.h"

namespace bindershelf::vfs {

namespace {

constexpr size_t kNameCharacters = 256;

// The attributes, times and size of a local entry, into the row being edited or appended.
void SetEntryColumns(ado::TADODataSet& row, const os::TFindEntry& entry) {
  row.FieldByName("FileAttr").SetAsInteger(static_cast<int32_t>(entry.Attributes));
  row.FieldByName("CreationTime").SetAsDateTime(FileTimeToCatalogTime(MakeFileTime(entry.CreationTime)));
  row.FieldByName("LastAccess").SetAsDateTime(FileTimeToCatalogTime(MakeFileTime(entry.LastAccessTime)));
  row.FieldByName("LastWrite").SetAsDateTime(FileTimeToCatalogTime(MakeFileTime(entry.LastWriteTime)));
  // The two halves of the size, each bit for bit in a signed 32-bit column.
  row.FieldByName("lwFileSize").SetAsInteger(static_cast<int32_t>(static_cast<uint32_t>(entry.Size)));
  row.FieldByName("upFileSize").SetAsInteger(static_cast<int32_t>(static_cast<uint32_t>(entry.Size >> 32)));
}

struct TPut {
  std::string localName;
  std::string remoteName;
  std::string name;      // the item's own name, its first 256 characters
  std::string parentId;  // the folder that holds it
  os::TFindEntry entry;
};

void AppendItemRow(ado::TADODataSet& target, const TPut& put) {
  target.Append();
  target.FieldByName("ID").SetAsString(put.remoteName);
  target.FieldByName("Name").SetAsString(put.name);
  target.FieldByName("PTHor").SetAsString(put.localName);
  target.FieldByName("ParID").SetAsString(put.parentId);
  SetEntryColumns(target, put.entry);
  target.Post();
}

// The values of the row a dataset stands on, by field.
using TSavedRow = std::vector<std::pair<std::string, ado::TField::TValue>>;

TSavedRow SaveRow(ado::TADODataSet& row) {
  TSavedRow saved;
  for (int i = 0; i < row.FieldCount(); ++i) saved.emplace_back(row.Fields(i).FieldName(), row.Fields(i).GetValue());
  return saved;
}

void AppendSavedRow(ado::TADODataSet& target, const TSavedRow& saved) {
  target.Append();
  for (const auto& [name, value] : saved) target.FieldByName(name).SetValue(value);
  target.Post();
}

// Replaces the row the dataset stands on by the new item's row. When the new row is
// refused, the old one is written back, so a failed overwrite loses nothing.
void ReplaceItemRow(ado::TADODataSet& target, const TPut& put) {
  TSavedRow old = SaveRow(target);
  CatalogConnection->Execute("delete from fs where id = " + Quoted(put.remoteName));
  try {
    AppendItemRow(target, put);
  } catch (...) {
    target.Cancel();
    AppendSavedRow(target, old);
    throw;
  }
}

// Writes the item's row (replacing the old one when asked) and gives it its properties.
int RecordItem(ado::TADODataSet& target, const TPut& put, bool replace) {
  return RecordItemGuarded(
      [&] { replace ? ReplaceItemRow(target, put) : AppendItemRow(target, put); },
      [&] {
        ImportDescription(put.localName, put.name, put.remoteName);
        ApplyCopyProperties(put.remoteName);
      });
}

}  // namespace

int PutFile(const std::string& localName, const std::string& remoteName, int32_t copyFlags) {
  TSplit remote = SplitAtLast(remoteName, '\\');
  std::string localDirectory = SplitAtLast(localName, '/').before;
  OpenCatalog();
  if (IsUnlinkedFolder(remote.before) && os::FileSystem().DirectoryExists(localDirectory))
    LinkFolder(localDirectory, remote.before);

  std::optional<os::TFindEntry> entry = os::FileSystem().FindFirst(localName, os::TFindFilter::AnyEntry);
  if (!entry) return FS_FILE_WRITEERROR;
  // The description file of a directory describes the others; it is no item of its own.
  if (remote.after == kDescriptionFileName) return FS_FILE_OK;

  TPut put{localName, remoteName, FirstCharacters(remote.after, kNameCharacters), PathToId(remote.before), *entry};
  auto target = OpenQuery("select * from fs where ID=" + Quoted(remoteName));
  ReportProgress(localName, remoteName, 0);
  int result = FS_FILE_EXISTS;
  if (target->Eof())
    result = RecordItem(*target, put, false);
  else if (copyFlags & FS_COPYFLAGS_OVERWRITE)
    result = RecordItem(*target, put, true);
  ReportProgress(localName, remoteName, 100);
  return result;
}

void LinkFolder(const std::string& localDirectory, const std::string& folderId) {
  TSplit folder = SplitAtLast(folderId, '\\');
  std::string localParent = SplitAtLast(localDirectory, '/').before;
  OpenCatalog();
  // Outermost first; folders and directories pair up level by level. A local parent
  // without a directory part has nothing left to pair with.
  if (IsUnlinkedFolder(folder.before) && !localParent.empty() && os::FileSystem().DirectoryExists(localParent))
    LinkFolder(localParent, folder.before);

  std::optional<os::TFindEntry> entry = os::FileSystem().FindFirst(localDirectory, os::TFindFilter::SkipHidden);
  if (!entry) return;
  auto row = OpenQuery("select * from fs where ID=" + Quoted(folderId));
  if (row->Eof()) return;
  row->Edit();
  row->FieldByName("PTHor").SetAsString(localDirectory);
  SetEntryColumns(*row, *entry);
  row->Post();
  ImportDescription(localDirectory, FirstCharacters(folder.after, kNameCharacters), folderId);
  ApplyCopyProperties(folderId);
}

void ApplyCopyProperties(const std::string& itemId) {
  OpenCatalog();
  CatalogConnection->Execute("insert into cats(cat,[value],it) select cat,[value]," + Quoted(itemId) +
                             " from cats where it=\"|COPY|\"");
}

}  // namespace bindershelf::vfs
