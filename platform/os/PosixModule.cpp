// The file name of a loaded shared object.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "platform/os/PosixFileSystem.h"

namespace bindershelf::os {
namespace {

std::string CurrentDirectory() {
  std::string buffer(256, '\0');
  while (!::getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return "";
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(std::string_view(buffer.c_str()).size());
  return buffer;
}

// Joins a relative name to the current directory as it is, symbolic links kept.
std::string Absolute(std::string_view name) {
  if (name.front() == '/') return std::string(name);
  while (name.substr(0, 2) == "./") name.remove_prefix(2);
  const std::string dir = CurrentDirectory();
  if (dir.empty()) return "";
  return dir == "/" ? "/" + std::string(name) : dir + "/" + std::string(name);
}

}  // namespace

std::string TPosixFileSystem::ModuleFileName(const void* addressInsideModule) {
  Dl_info info{};
  if (!addressInsideModule || ::dladdr(addressInsideModule, &info) == 0) return "";
  if (!info.dli_fname || !*info.dli_fname) return "";
  return Absolute(info.dli_fname);
}

}  // namespace bindershelf::os
