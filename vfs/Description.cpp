#include "vfs/Description.h"

#include <mutex>
#include <optional>
#include <vector>

#include "platform/os/FileSystem.h"
#include "platform/os/TextLines.h"
#include "plugin/Common.h"
#include "plugin/TextPieces.h"
#include "vfs/DescriptionLine.h"

namespace bindershelf::vfs {
namespace {

constexpr size_t kMaxExportedNameLength = 300;

// The description file of the directory that holds localPath.
std::string DescriptionFileBeside(const std::string& localPath) {
  return localPath.substr(0, localPath.rfind('/') + 1) + kDescriptionFileName;
}

// The first line of the file that describes the entry; empty when none does.
std::optional<std::string> FindEntryLine(const std::string& file, const std::string& nameField) {
  for (auto& line : os::FileSystem().ReadTextLines(file))
    if (LineBelongsTo(line, nameField)) return std::move(line);
  return std::nullopt;
}

// Appends the pairs to cats as properties of itemId, one posted row at a time, so the
// rows before a refused one stay.
void AddProperties(const std::vector<TDescriptionPair>& pairs, const std::string& itemId) {
  std::lock_guard guard(CatalogLock());
  OpenCatalog();
  ado::TADODataSet cats;
  cats.Connection = CatalogConnection.get();
  cats.CommandText = "select * from Cats";
  cats.Open();
  for (const auto& pair : pairs) {
    cats.Append();
    cats.FieldByName("cat").SetAsString(pair.Category);
    cats.FieldByName("Value").SetAsString(pair.Value);
    cats.FieldByName("it").SetAsString(itemId);
    cats.Post();
  }
}

bool ItemExists(const std::string& itemId) {
  std::lock_guard guard(CatalogLock());
  OpenCatalog();
  ado::TADODataSet item;
  item.Connection = CatalogConnection.get();
  item.CommandText = "select id from fs where id=" + Quoted(itemId);
  item.Open();
  return !item.Eof();
}

// The item's pairs in the order the catalog gives them; a Null value counts as empty.
std::vector<TDescriptionPair> PropertiesOf(const std::string& itemId) {
  std::lock_guard guard(CatalogLock());
  OpenCatalog();
  ado::TADODataSet cats;
  cats.Connection = CatalogConnection.get();
  cats.CommandText = "select * from cats where it=" + Quoted(itemId);
  cats.Open();
  std::vector<TDescriptionPair> pairs;
  for (; !cats.Eof(); cats.Next()) {
    const auto& value = cats.FieldByName("Value");
    pairs.push_back({cats.FieldByName("cat").AsString(), value.IsNull() ? "" : value.AsString()});
  }
  return pairs;
}

// Whether the walk up may go on to this local directory: it must have a directory of its
// own to hold its description file. "" (the parent of "/x") and "/" have none, nor has a
// relative name without "/".
bool HasParentDirectory(const std::string& localDirectory) {
  return localDirectory != "/" && localDirectory.find('/') != std::string::npos;
}

// Every line that does not describe the entry, in order, then the entry's new line; all
// with CR LF.
std::string RewrittenContent(const std::string& file, const std::string& nameField,
                             const std::string& newLine) {
  std::vector<std::string> kept;
  if (os::FileSystem().FileExists(file))
    for (auto& line : os::FileSystem().ReadTextLines(file))
      if (!LineBelongsTo(line, nameField)) kept.push_back(std::move(line));
  kept.push_back(newLine);
  return os::JoinTextLines(kept);
}

}  // namespace

int ImportDescription(const std::string& localPath, const std::string& name, const std::string& itemId) {
  const std::string file = DescriptionFileBeside(localPath);
  if (!os::FileSystem().FileExists(file)) return 1;
  const std::string nameField = NameField(name);
  const auto line = FindEntryLine(file, nameField);
  if (!line) return 0;
  AddProperties(ParseDescription(DescriptionOf(*line, nameField)), itemId);
  return 0;
}

int ExportDescription(const std::string& localPath, const std::string& itemId) {
  // The folders above first, outermost first, so each folder's line is in place before
  // the lines of what it holds.
  const std::string parentId = SplitAtLast(itemId, '\\').before;
  const std::string localParent = SplitAtLast(localPath, '/').before;
  if (HasParentDirectory(localParent) && ItemExists(parentId) &&
      os::FileSystem().DirectoryExists(localParent))
    ExportDescription(localParent, parentId);

  const auto pairs = PropertiesOf(itemId);
  if (pairs.empty()) return 1;
  const std::string name = FirstCharacters(SplitAtLast(itemId, '\\').after, kMaxExportedNameLength);
  const std::string file = DescriptionFileBeside(localPath);
  // One atomic replacement: a failure anywhere leaves the old file as it was, and a
  // "descript.$$$" left over by another writer is neither needed nor touched.
  os::FileSystem().ReplaceFileSafely(
      file, RewrittenContent(file, NameField(name), FormatDescriptionLine(name, pairs)));
  return 0;
}

}  // namespace bindershelf::vfs
