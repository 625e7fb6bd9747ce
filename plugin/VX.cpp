// The module's entry points. Each is a few lines inside one catch-all: no exception
// leaves the module; a failure shows its message where a person waits for the answer
// and returns the entry point's failure result.
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>

#include "plugin/Common.h"
#include "plugin/HostMessage.h"
#include "plugin/Startup.h"
#include "plugin/fsplugin.h"
#include "vfs/CustomIcon.h"
#include "vfs/ExecuteFile.h"
#include "vfs/Folders.h"
#include "vfs/GetFile.h"
#include "vfs/Listing.h"
#include "vfs/PutFile.h"
#include "vfs/RenMovFile.h"

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

// A string of the host's; a null pointer is the empty text.
std::string Text(const char* hostString) { return hostString ? hostString : ""; }

// The host's find-data record, which must be there to be filled.
WIN32_FIND_DATAA& Record(WIN32_FIND_DATAA* findData) {
  if (!findData) throw std::invalid_argument("No find-data record to fill");
  return *findData;
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

FS_EXPORT HANDLE FS_STDCALL FsFindFirst(char* Path, WIN32_FIND_DATAA* FindData) {
  return AtBoundary(INVALID_HANDLE_VALUE, TOnFailure::ShowMessage,
                    [&] { return vfs::FindFirst(Text(Path), Record(FindData)); });
}

FS_EXPORT BOOL FS_STDCALL FsFindNext(HANDLE, WIN32_FIND_DATAA* FindData) {
  return AtBoundary<BOOL>(FS_FALSE, TOnFailure::ShowMessage,
                          [&] { return vfs::FindNext(Record(FindData)) ? FS_TRUE : FS_FALSE; });
}

FS_EXPORT int32_t FS_STDCALL FsFindClose(HANDLE) {
  return AtBoundary<int32_t>(0, TOnFailure::Silent, [&] {
    vfs::FindClose();
    return 0;
  });
}

FS_EXPORT BOOL FS_STDCALL FsMkDir(char* Path) {
  return AtBoundary<BOOL>(FS_FALSE, TOnFailure::ShowMessage, [&] {
    vfs::MakeFolder(Text(Path));
    return FS_TRUE;
  });
}

FS_EXPORT BOOL FS_STDCALL FsDeleteFile(char* RemoteName) {
  return AtBoundary<BOOL>(FS_FALSE, TOnFailure::ShowMessage, [&] {
    vfs::DeleteItem(Text(RemoteName));
    return FS_TRUE;
  });
}

FS_EXPORT BOOL FS_STDCALL FsRemoveDir(char* RemoteName) {
  return AtBoundary<BOOL>(FS_FALSE, TOnFailure::ShowMessage, [&] {
    vfs::DeleteItem(Text(RemoteName));
    return FS_TRUE;
  });
}

// --- Putting files in ---

FS_EXPORT int32_t FS_STDCALL FsPutFile(char* LocalName, char* RemoteName, int32_t CopyFlags) {
  return AtBoundary<int32_t>(FS_FILE_WRITEERROR, TOnFailure::ShowMessage, [&] {
    return vfs::PutFile(Text(LocalName), Text(RemoteName), CopyFlags);
  });
}

// --- Renaming, copying inside the catalog, getting files out ---

// The move flag changes nothing: the old item always stays.
FS_EXPORT int32_t FS_STDCALL FsRenMovFile(char* OldName, char* NewName, BOOL, BOOL OverWrite,
                                          RemoteInfoStruct*) {
  return AtBoundary<int32_t>(FS_FILE_READERROR, TOnFailure::ShowMessage, [&] {
    return vfs::RenMovFile(Text(OldName), Text(NewName), OverWrite != 0);
  });
}

FS_EXPORT int32_t FS_STDCALL FsGetFile(char* RemoteName, char* LocalName, int32_t CopyFlags,
                                       RemoteInfoStruct*) {
  return AtBoundary<int32_t>(FS_FILE_READERROR, TOnFailure::ShowMessage, [&] {
    return vfs::GetFile(Text(RemoteName), Text(LocalName), CopyFlags);
  });
}

// --- Execute verbs and the command line ---

// The run command's programs run after the catalog lock is released (see TProgramRuns).
FS_EXPORT int32_t FS_STDCALL FsExecuteFile(HWND, char* RemoteName, char* Verb) {
  vfs::TProgramRuns runs;
  int32_t result = AtBoundary<int32_t>(FS_EXEC_ERROR, TOnFailure::ShowMessage,
                                       [&] { return vfs::ExecuteFile(RemoteName, Text(Verb), runs); });
  runs.RunEach();
  return result;
}

// --- Custom icons ---

// Called from the host's background thread too; it shows nothing, since no one waits there.
FS_EXPORT int32_t FS_STDCALL FsExtractCustomIcon(char* RemoteName, int32_t ExtractFlags, HICON* TheIcon) {
  return AtBoundary<int32_t>(FS_ICON_USEDEFAULT, TOnFailure::Silent,
                             [&] { return vfs::ExtractCustomIcon(RemoteName, ExtractFlags, TheIcon); });
}

}  // extern "C"
