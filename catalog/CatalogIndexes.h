#pragma once

#include "platform/ado/ADO.h"

namespace bindershelf::catalog {

// Makes the indexes that the catalog's queries need, where they are missing, on the
// tables that exist so far. Kept apart from the creating statements so that catalogs
// made before an index was added receive it when they are opened.
void KeepCatalogIndexes(ado::TADOConnection& connection);

}  // namespace bindershelf::catalog
