#include "vfs/Folders.h"

#include "plugin/Common.h"
#include "plugin/PathToId.h"
#include "plugin/TextPieces.h"

namespace bindershelf::vfs {

namespace {

bool RowExists(const std::string& id) {
  ado::TADODataSet query;
  query.Connection = CatalogConnection.get();
  query.CommandText = "select * from fs where id=" + Quoted(id);
  query.Open();
  return !query.Eof();
}

}  // namespace

void MakeFolder(const std::string& path) {
  OpenCatalog();
  TSplit split = SplitAtLast(path, '\\');
  if (RowExists(path)) return;
  CatalogConnection->Execute("insert into fs(ID,[Name],parid,Fileattr) values(" + Quoted(path) + "," +
                             Quoted(split.after) + "," + Quoted(PathToId(split.before)) + ",16)");
}

void DeleteItem(const std::string& remoteName) {
  OpenCatalog();
  std::string id = PathToId(remoteName);
  CatalogConnection->Execute("Delete * from fs where id=" + Quoted(id));
  CatalogConnection->Execute("Delete * from cats where it=" + Quoted(id));
}

}  // namespace bindershelf::vfs
