// The module's entry points. Each is a few lines inside one catch-all: no exception
// leaves the module; a failure shows its message where a person waits for the answer
// and returns the entry point's failure result.
#include <exception>
#include <mutex>

#include "plugin/Common.h"
#include "plugin/HostMessage.h"
#include "plugin/Startup.h"
#include "plugin/fsplugin.h"

using namespace bindershelf;

namespace {

enum class TOnFailure { ShowMessage, Silent };

template <class TResult, class TBody>
TResult AtBoundary(TResult failure, TOnFailure onFailure, TBody&& body) noexcept {
  try {
    std::lock_guard guard(CatalogLock());
    return body();
  } catch (const std::exception& e) {
    if (onFailure == TOnFailure::ShowMessage) ShowHostMessage(e.what());
  } catch (...) {
    if (onFailure == TOnFailure::ShowMessage) ShowHostMessage("Unknown error");
  }
  return failure;
}

// The module's start and unload notifications.
__attribute__((constructor)) void ModuleStart() { ReleaseCatalog(kProcessAttach); }
__attribute__((destructor)) void ModuleUnload() {
  try {
    ReleaseCatalog(kProcessDetach);
  } catch (...) {
    // Nothing can be reported while the module goes away.
  }
}

}  // namespace

extern "C" {

FS_EXPORT int32_t FS_STDCALL FsInit(int32_t PluginNr, tProgressProc pProgressProc, tLogProc,
                                    tRequestProc pRequestProc) {
  return AtBoundary<int32_t>(-1, TOnFailure::ShowMessage, [&] {
    InitPlugin(PluginNr, pProgressProc, pRequestProc);
    return 0;
  });
}

FS_EXPORT void FS_STDCALL FsSetDefaultParams(FsDefaultParamStruct*) {
  // The host's default parameters are accepted and not used.
}

FS_EXPORT void FS_STDCALL FsGetDefRootName(char* DefRootName, int32_t maxlen) {
  AtBoundary<int>(0, TOnFailure::Silent, [&] {
    CopyRootName(DefRootName, maxlen);
    return 0;
  });
}

// --- Listing and folders ---

// --- Putting files in ---

// --- Renaming, copying inside the catalog, getting files out ---

}  // extern "C"
