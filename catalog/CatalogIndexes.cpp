#include "catalog/CatalogIndexes.h"

namespace bindershelf::catalog {

namespace {

struct TIndex {
  const char* table;
  const char* statement;
};

// The listing selects by the parent with the very expression below; an index serves it
// only on the same expression and collation.
constexpr TIndex kIndexes[] = {
    {"fs", "create index if not exists fs_parent on fs(iif(parid is null,\"\",parid) collate JETNOCASE)"},
    {"cats", "create index if not exists cats_owner on cats(it)"},
};

}  // namespace

void KeepCatalogIndexes(ado::TADOConnection& connection) {
  for (const TIndex& index : kIndexes)
    if (connection.TableExists(index.table)) connection.Execute(index.statement);
}

}  // namespace bindershelf::catalog
