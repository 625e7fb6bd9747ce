#include "vfs/RenMovFile.h"

#include <exception>

#include "plugin/Common.h"
#include "plugin/HostMessage.h"
#include "plugin/Progress.h"
#include "plugin/TextPieces.h"
#include "plugin/fsplugin.h"
#include "vfs/CatalogQuery.h"

namespace bindershelf::vfs {

namespace {

constexpr size_t kNameCharacters = 300;

// The columns that describe the real file; the new item takes them as they are.
constexpr const char* kRealFileColumns[] = {"PTHor",      "FileAttr", "CreationTime", "LastAccess",
                                            "LastWrite", "lwFileSize", "upFileSize"};

bool ItemExists(const std::string& id) { return QueryHasRow("select * from fs where id=" + Quoted(id)); }

void CopyProperties(const std::string& from, const std::string& to) {
  CatalogConnection->Execute("insert into cats(cat,[value],it) select cat,[value]," + Quoted(to) +
                             " from cats where it = " + Quoted(from));
}

// Writes the target row (appended, or the existing one edited) from the source row and
// copies the source's properties.
int WriteTarget(ado::TADODataSet& source, ado::TADODataSet& target, const std::string& oldName,
                const std::string& newName, bool append) {
  return RecordItemGuarded(
      [&] {
        TSplit name = SplitAtLast(newName, '\\');
        append ? target.Append() : target.Edit();
        target.FieldByName("ID").SetAsString(newName);
        target.FieldByName("Name").SetAsString(FirstCharacters(name.after, kNameCharacters));
        target.FieldByName("ParID").SetAsString(name.before);
        for (const char* column : kRealFileColumns)
          target.FieldByName(column).SetValue(source.FieldByName(column).GetValue());
        target.Post();
      },
      [&] { CopyProperties(oldName, newName); });
}

}  // namespace

int RenMovFile(const std::string& oldName, const std::string& newName, bool overwrite) {
  std::string newParent = SplitAtLast(newName, '\\').before;
  std::string oldParent = SplitAtLast(oldName, '\\').before;
  OpenCatalog();
  if (IsUnlinkedFolder(newParent) && ItemExists(oldParent)) CopyFolderProperties(oldParent, newParent);

  auto source = OpenQuery("select * from fs where id = " + Quoted(oldName));
  if (source->Eof()) return FS_FILE_READERROR;
  ReportProgress(oldName, newName, 0);
  auto target = OpenQuery("select * from fs where ID=" + Quoted(newName));
  int result = FS_FILE_EXISTS;
  if (target->Eof())
    result = WriteTarget(*source, *target, oldName, newName, true);
  else if (overwrite)
    result = WriteTarget(*source, *target, oldName, newName, false);
  ReportProgress(oldName, newName, 100);
  return result;
}

void CopyFolderProperties(const std::string& sourceFolder, const std::string& targetFolder) {
  std::string targetParent = SplitAtLast(targetFolder, '\\').before;
  std::string sourceParent = SplitAtLast(sourceFolder, '\\').before;
  // Outermost first. The root is its own parent, so the walk ends there.
  if (!targetFolder.empty() && IsUnlinkedFolder(targetParent) && ItemExists(sourceParent))
    CopyFolderProperties(sourceParent, targetParent);
  if (!QueryHasRow("select id from cats where it=" + Quoted(targetFolder))) CopyProperties(sourceFolder, targetFolder);
}

}  // namespace bindershelf::vfs
