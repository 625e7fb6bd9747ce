#include "host/ModuleLibrary.h"

#include <dlfcn.h>

#include <system_error>

namespace bindershelf::host {

TModuleLibrary::TModuleLibrary(const std::filesystem::path& file) {
  // An absolute name keeps the loader from searching its library path for a bare name.
  Path = std::filesystem::absolute(file).lexically_normal();
  std::error_code error;
  if (!std::filesystem::is_regular_file(Path, error))
    throw THostError("cannot find the module " + Path.string());
  Handle = dlopen(Path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!Handle) {
    const char* reason = dlerror();
    throw THostError("cannot load the module " + Path.string() + ": " + (reason ? reason : "unknown reason"));
  }
}

TModuleLibrary::~TModuleLibrary() {
  if (Handle) dlclose(Handle);
}

void* TModuleLibrary::FindSymbol(const char* name) const { return dlsym(Handle, name); }

std::filesystem::path DefaultModulePath() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "bindershelf.so";
  return program.parent_path() / "bindershelf.so";
}

}  // namespace bindershelf::host
