#pragma once

namespace bindershelf::catalog {

// Removes the properties that no item owns (the filter, search and copy sets with them)
// and the categories that no property uses, then replaces the catalog file by a
// compacted copy. The catalog file is replaced in one rename, so it is never missing;
// when compaction fails the old file stays the catalog and the error is raised.
void CompressCatalog();

// The name of the compacted copy while it is made, in the module's directory.
constexpr const char* kCompactedCopyName = "tmp.$$$";

}  // namespace bindershelf::catalog
