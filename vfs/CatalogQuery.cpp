#include "vfs/CatalogQuery.h"

#include "plugin/TextPieces.h"

namespace bindershelf::vfs {

bool IsUnlinkedFolder(const std::string& id) {
  return QueryHasRow("select * from fs where pthor is null and id=" + Quoted(id));
}

}  // namespace bindershelf::vfs
