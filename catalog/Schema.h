// The catalog's tables and the making of a new catalog file.
#pragma once

namespace bindershelf::catalog {

// The three statements that make a catalog's tables, in the order they run.
extern const char* const kCreateFs;
extern const char* const kCreateCn;
extern const char* const kCreateCats;

// Makes a new, empty catalog file at ModuleDir + DatabaseName with the three tables and
// leaves CatalogConnection open on it. Raises when the file cannot be made (it must not
// exist) or a table cannot be created; tables made before the failure stay.
void CreateCatalog();

}  // namespace bindershelf::catalog
