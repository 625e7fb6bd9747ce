// The compaction service: writes a compacted copy of a database file.
#pragma once

#include <string>

namespace bindershelf::catalog {

class CoJetEngine {
 public:
  // Writes a compacted copy of the source database, with every table and row (counters
  // included), to the destination. Both are connection strings. Raises
  // ado::EDatabaseError when the destination exists or the copy fails.
  void CompactDatabase(const std::string& sourceConnection, const std::string& destinationConnection);
};

}  // namespace bindershelf::catalog
