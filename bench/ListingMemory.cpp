// Heap in use while a folder of 1,000 and of 100,000 items is listed entry by entry: the
// rows stream from the database, so the peak must not grow with the folder.
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "support/BenchCatalog.h"
#include "vfs/Listing.h"

namespace {

using namespace bindershelf;
using bench_support::TBenchCatalog;

size_t HeapInUse() { return mallinfo2().uordblks; }

struct TListingMemory {
  size_t entries = 0;
  size_t peakGrowth = 0;
};

TListingMemory ListFolder(const std::string& folderPath) {
  TListingMemory result;
  size_t before = HeapInUse();
  WIN32_FIND_DATAA data;
  vfs::FindFirst(folderPath, data);
  do {
    ++result.entries;
    result.peakGrowth = std::max(result.peakGrowth, HeapInUse() - std::min(before, HeapInUse()));
  } while (vfs::FindNext(data));
  return result;
}

}  // namespace

int main() {
  std::printf("%-16s %10s %22s\n", "folder of", "entries", "peak heap growth (KiB)");
  for (int files : {1000, 100000}) {
    TBenchCatalog catalog(1, files);
    TListingMemory m = ListFolder(TBenchCatalog::FolderId(0));
    std::printf("%-16d %10zu %22.1f\n", files, m.entries, m.peakGrowth / 1024.0);
  }
}
