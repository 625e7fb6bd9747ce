#include "host/FileResults.h"

#include <ostream>

#include "host/HostError.h"
#include "plugin/fsplugin.h"

namespace bindershelf::host {

std::string DescribeFileResult(int32_t result) {
  switch (result) {
    case FS_FILE_OK: return "done";
    case FS_FILE_EXISTS: return "exists";
    case FS_FILE_NOTFOUND: return "not found";
    case FS_FILE_READERROR: return "read error";
    case FS_FILE_WRITEERROR: return "write error";
    case FS_FILE_USERABORT: return "aborted";
    case FS_FILE_NOTSUPPORTED: return "not supported";
    default: return "unknown result " + std::to_string(result);
  }
}

void TFileFailures::Add(const std::string& what, const std::string& reason) {
  ++Failed;
  Progress.Interrupt();
  Console.err << what << ": " << reason << "\n";
}

void TFileFailures::ThrowIfAny(size_t attempted) const {
  if (Failed == 0) return;
  throw THostError(std::to_string(Failed) + " of " + std::to_string(attempted) + " items failed");
}

}  // namespace bindershelf::host
