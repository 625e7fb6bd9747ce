/* The file-system plugin interface between a two-panel file manager (the host) and
   this module: types, constants, host callbacks and the fifteen entry points.
   Plain C, so that a host in any language can be built against it. */
#ifndef BINDERSHELF_FSPLUGIN_H
#define BINDERSHELF_FSPLUGIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define FS_STDCALL __stdcall
#else
#define FS_STDCALL
#endif

#if defined(_WIN32)
#define FS_EXPORT __declspec(dllexport)
#else
#define FS_EXPORT __attribute__((visibility("default")))
#endif

typedef int32_t BOOL;
typedef uint32_t DWORD;
typedef void* HANDLE;
typedef void* HWND;
typedef void* HICON;

#define FS_TRUE (-1)
#define FS_FALSE 0
#define MAX_PATH 260
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

/* File attributes. */
#define FILE_ATTRIBUTE_READONLY 0x01
#define FILE_ATTRIBUTE_HIDDEN 0x02
#define FILE_ATTRIBUTE_SYSTEM 0x04
#define FILE_ATTRIBUTE_DIRECTORY 0x10
#define FILE_ATTRIBUTE_ARCHIVE 0x20

/* Results of FsGetFile, FsPutFile and FsRenMovFile. */
#define FS_FILE_OK 0
#define FS_FILE_EXISTS 1
#define FS_FILE_NOTFOUND 2
#define FS_FILE_READERROR 3
#define FS_FILE_WRITEERROR 4
#define FS_FILE_USERABORT 5
#define FS_FILE_NOTSUPPORTED 6

/* Results of FsExecuteFile. */
#define FS_EXEC_OK 0
#define FS_EXEC_ERROR 1
#define FS_EXEC_YOURSELF (-1)
#define FS_EXEC_SYMLINK (-2)

/* Copy flags of FsGetFile and FsPutFile. */
#define FS_COPYFLAGS_OVERWRITE 1
#define FS_COPYFLAGS_RESUME 2
#define FS_COPYFLAGS_MOVE 4
#define FS_COPYFLAGS_EXISTS_SAMECASE 8
#define FS_COPYFLAGS_EXISTS_DIFFERENTCASE 16

/* Request types of the request callback. */
#define RT_MsgOK 8

/* Flags and results of FsExtractCustomIcon. */
#define FS_ICONFLAG_SMALL 1
#define FS_ICONFLAG_BACKGROUND 2
#define FS_ICON_USEDEFAULT 0
#define FS_ICON_EXTRACTED 1
#define FS_ICON_EXTRACTED_DESTROY 2
#define FS_ICON_DELAYED 3

/* Phases and operations of FsStatusInfo. */
#define FS_STATUS_START 0
#define FS_STATUS_END 1
#define FS_STATUS_OP_LIST 1
#define FS_STATUS_OP_GET_SINGLE 2
#define FS_STATUS_OP_GET_MULTI 3
#define FS_STATUS_OP_PUT_SINGLE 4
#define FS_STATUS_OP_PUT_MULTI 5
#define FS_STATUS_OP_RENMOV_SINGLE 6
#define FS_STATUS_OP_RENMOV_MULTI 7
#define FS_STATUS_OP_DELETE 8
#define FS_STATUS_OP_MKDIR 10
#define FS_STATUS_OP_EXEC 11

/* 100-nanosecond intervals since 1 January 1601, UTC, in two halves. */
typedef struct {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
} FILETIME;

/* One directory entry as the host reads it: 320 bytes. */
typedef struct {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime;
  FILETIME ftLastAccessTime;
  FILETIME ftLastWriteTime;
  DWORD nFileSizeHigh;
  DWORD nFileSizeLow;
  DWORD dwReserved0;
  DWORD dwReserved1;
  char cFileName[MAX_PATH];
  char cAlternateFileName[14];
} WIN32_FIND_DATAA;

/* What the host tells about the file of a get or a rename; not used by this module. */
typedef struct {
  DWORD SizeLow;
  DWORD SizeHigh;
  FILETIME LastWriteTime;
  int32_t Attr;
} RemoteInfoStruct;

/* The host's default parameters, handed over once after FsInit. */
typedef struct {
  int32_t size;
  DWORD PluginInterfaceVersionLow;
  DWORD PluginInterfaceVersionHi;
  char DefaultIniName[MAX_PATH];
} FsDefaultParamStruct;

/* Host callbacks. */
typedef int32_t(FS_STDCALL* tProgressProc)(int32_t PluginNr, char* SourceName, char* TargetName,
                                           int32_t PercentDone);
typedef void(FS_STDCALL* tLogProc)(int32_t PluginNr, int32_t MsgType, char* LogString);
typedef BOOL(FS_STDCALL* tRequestProc)(int32_t PluginNr, int32_t RequestType, char* CustomTitle,
                                       char* CustomText, char* ReturnedText, int32_t maxlen);

/* The entry points. */
FS_EXPORT int32_t FS_STDCALL FsInit(int32_t PluginNr, tProgressProc pProgressProc, tLogProc pLogProc,
                                    tRequestProc pRequestProc);
FS_EXPORT void FS_STDCALL FsSetDefaultParams(FsDefaultParamStruct* dps);
FS_EXPORT void FS_STDCALL FsGetDefRootName(char* DefRootName, int32_t maxlen);
FS_EXPORT HANDLE FS_STDCALL FsFindFirst(char* Path, WIN32_FIND_DATAA* FindData);
FS_EXPORT BOOL FS_STDCALL FsFindNext(HANDLE Hdl, WIN32_FIND_DATAA* FindData);
FS_EXPORT int32_t FS_STDCALL FsFindClose(HANDLE Hdl);
FS_EXPORT BOOL FS_STDCALL FsMkDir(char* Path);
FS_EXPORT BOOL FS_STDCALL FsRemoveDir(char* RemoteName);
FS_EXPORT BOOL FS_STDCALL FsDeleteFile(char* RemoteName);
FS_EXPORT int32_t FS_STDCALL FsExecuteFile(HWND MainWin, char* RemoteName, char* Verb);
FS_EXPORT int32_t FS_STDCALL FsRenMovFile(char* OldName, char* NewName, BOOL Move, BOOL OverWrite,
                                          RemoteInfoStruct* ri);
FS_EXPORT int32_t FS_STDCALL FsGetFile(char* RemoteName, char* LocalName, int32_t CopyFlags,
                                       RemoteInfoStruct* ri);
FS_EXPORT int32_t FS_STDCALL FsPutFile(char* LocalName, char* RemoteName, int32_t CopyFlags);
FS_EXPORT int32_t FS_STDCALL FsExtractCustomIcon(char* RemoteName, int32_t ExtractFlags, HICON* TheIcon);
FS_EXPORT void FS_STDCALL FsStatusInfo(char* RemoteDir, int32_t InfoStartEnd, int32_t InfoOperation);

#ifdef __cplusplus
}

static_assert(sizeof(FILETIME) == 8, "FILETIME is two 32-bit halves");
static_assert(sizeof(WIN32_FIND_DATAA) == 320, "the host reads a 320-byte find-data record");
static_assert(offsetof(WIN32_FIND_DATAA, ftCreationTime) == 4);
static_assert(offsetof(WIN32_FIND_DATAA, nFileSizeHigh) == 28);
static_assert(offsetof(WIN32_FIND_DATAA, cFileName) == 44);
static_assert(offsetof(WIN32_FIND_DATAA, cAlternateFileName) == 304);
#endif

#endif
