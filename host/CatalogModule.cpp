#include "host/CatalogModule.h"

#include <algorithm>
#include <cstring>

namespace bindershelf::host {

namespace {

// Entry points take writable strings; each call gets its own copy.
std::vector<char> Writable(const std::string& text, size_t capacity = 0) {
  std::vector<char> buffer(std::max(capacity, text.size() + 1), '\0');
  std::memcpy(buffer.data(), text.data(), text.size());
  return buffer;
}

// A host buffer of MAX_PATH characters, as the interface gives for names the module may rewrite.
std::vector<char> PathBuffer(const std::string& text) {
  if (text.size() >= MAX_PATH) throw THostError("the path is longer than " + std::to_string(MAX_PATH - 1) + " bytes: " + text);
  return Writable(text, MAX_PATH + 1);
}

std::string TextOf(const std::vector<char>& buffer, size_t limit) {
  return std::string(buffer.data(), strnlen(buffer.data(), limit));
}

bool IsMarker(const TCatalogEntry& entry) { return entry.name == "." || entry.name == ".."; }

}  // namespace

#define NEED(name) Library.Need<decltype(name)>(#name)
#define FIND(name) Library.Find<decltype(name)>(#name)

TCatalogModule::TCatalogModule(const std::filesystem::path& file) : Library(file) {}

void TCatalogModule::Start(const THostCallbacks& callbacks) {
  int32_t started = NEED(FsInit)(0, callbacks.progress, callbacks.log, callbacks.request);
  if (started != 0) throw THostError("the module did not start: FsInit returned " + std::to_string(started));
  if (auto setDefaultParams = FIND(FsSetDefaultParams)) {
    FsDefaultParamStruct params{};
    params.size = sizeof params;
    params.PluginInterfaceVersionHi = 2;
    params.PluginInterfaceVersionLow = 0;
    std::string iniName = (File().parent_path() / "fsplugin.ini").string();
    std::strncpy(params.DefaultIniName, iniName.c_str(), MAX_PATH - 1);
    setDefaultParams(&params);
  }
}

std::string TCatalogModule::RootName() const {
  auto getDefRootName = NEED(FsGetDefRootName);
  std::vector<char> buffer(MAX_PATH + 1, '\0');
  getDefRootName(buffer.data(), MAX_PATH);
  return TextOf(buffer, MAX_PATH);
}

std::vector<TCatalogEntry> TCatalogModule::List(const std::string& folder) const {
  // All three are looked up first, so that a listing is never begun and left open.
  auto findFirst = NEED(FsFindFirst);
  auto findNext = NEED(FsFindNext);
  auto findClose = NEED(FsFindClose);
  std::vector<char> path = PathBuffer(folder);
  WIN32_FIND_DATAA data{};
  HANDLE handle = findFirst(path.data(), &data);
  if (handle == INVALID_HANDLE_VALUE) throw THostError("the module could not list " + folder);
  std::vector<TCatalogEntry> entries;
  do {
    TCatalogEntry entry = EntryFromFindData(data);
    if (!IsMarker(entry)) entries.push_back(std::move(entry));
    data = {};
  } while (findNext(handle, &data) != FS_FALSE);
  findClose(handle);
  return entries;
}

bool TCatalogModule::MakeFolder(const std::string& path) const {
  auto mkDir = NEED(FsMkDir);
  return mkDir(Writable(path).data()) != FS_FALSE;
}

int32_t TCatalogModule::PutFile(const std::string& localName, const std::string& remoteName, int32_t copyFlags) const {
  auto putFile = NEED(FsPutFile);
  return putFile(Writable(localName).data(), Writable(remoteName).data(), copyFlags);
}

int32_t TCatalogModule::GetFile(const std::string& remoteName, const std::string& localName, int32_t copyFlags,
                                RemoteInfoStruct info) const {
  auto getFile = NEED(FsGetFile);
  return getFile(Writable(remoteName).data(), Writable(localName).data(), copyFlags, &info);
}

int32_t TCatalogModule::RenameOrMove(const std::string& oldName, const std::string& newName, bool move,
                                     bool overwrite, RemoteInfoStruct info) const {
  auto renMovFile = NEED(FsRenMovFile);
  return renMovFile(Writable(oldName).data(), Writable(newName).data(), move ? FS_TRUE : FS_FALSE,
                    overwrite ? FS_TRUE : FS_FALSE, &info);
}

bool TCatalogModule::DeleteFile(const std::string& remoteName) const {
  auto deleteFile = NEED(FsDeleteFile);
  return deleteFile(Writable(remoteName).data()) != FS_FALSE;
}

bool TCatalogModule::RemoveFolder(const std::string& remoteName) const {
  auto removeDir = NEED(FsRemoveDir);
  return removeDir(Writable(remoteName).data()) != FS_FALSE;
}

int32_t TCatalogModule::Execute(std::string& remoteName, const std::string& verb) const {
  auto executeFile = NEED(FsExecuteFile);
  std::vector<char> buffer = PathBuffer(remoteName);
  int32_t result = executeFile(nullptr, buffer.data(), Writable(verb).data());
  remoteName = TextOf(buffer, MAX_PATH);
  return result;
}

bool TCatalogModule::GivesIcons() const { return FIND(FsExtractCustomIcon) != nullptr; }

TIconAnswer TCatalogModule::ExtractIcon(const std::string& remoteName, int32_t flags) const {
  TIconAnswer answer;
  auto extractIcon = FIND(FsExtractCustomIcon);
  if (!extractIcon) return answer;
  std::vector<char> buffer = PathBuffer(remoteName);
  answer.result = extractIcon(buffer.data(), flags, &answer.icon);
  return answer;
}

void TCatalogModule::StatusInfo(const std::string& remoteFolder, int32_t phase, int32_t operation) const {
  if (auto statusInfo = FIND(FsStatusInfo)) statusInfo(Writable(remoteFolder).data(), phase, operation);
}

void TCatalogModule::Require(std::initializer_list<const char*> exportNames) const {
  for (const char* name : exportNames) Library.Need<void()>(name);
}

#undef NEED
#undef FIND

TOperationScope::TOperationScope(const TCatalogModule& module, std::string remoteFolder, int32_t operation)
    : Module(module), Folder(std::move(remoteFolder)), Operation(operation) {
  Module.StatusInfo(Folder, FS_STATUS_START, Operation);
}

TOperationScope::~TOperationScope() { Module.StatusInfo(Folder, FS_STATUS_END, Operation); }

}  // namespace bindershelf::host
