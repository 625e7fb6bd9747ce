#include "support/ModuleCopy.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

#include "support/HostCallbacks.h"

namespace testing_support {

TModuleCopy::TModuleCopy(const std::string& directory) : Dir(directory) {
  std::string copy = Dir + "/bindershelf.so";
  std::filesystem::copy_file(BINDERSHELF_MODULE_PATH, copy, std::filesystem::copy_options::overwrite_existing);
  Handle = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!Handle) throw std::runtime_error(std::string("cannot load the module: ") + dlerror());
  Init = Export<std::remove_pointer_t<decltype(Init)>>("FsInit");
  GetDefRootName = Export<std::remove_pointer_t<decltype(GetDefRootName)>>("FsGetDefRootName");
  SetDefaultParams = Export<std::remove_pointer_t<decltype(SetDefaultParams)>>("FsSetDefaultParams");
}

TModuleCopy::~TModuleCopy() { Unload(); }

void* TModuleCopy::Find(const char* name) const { return Handle ? dlsym(Handle, name) : nullptr; }

void TModuleCopy::Unload() {
  if (Handle) dlclose(Handle);
  Handle = nullptr;
}

int32_t TModuleCopy::InitWithRecorder(int32_t pluginNumber) {
  return Init(pluginNumber, &RecordProgress, &RecordLog, &RecordRequest);
}

}  // namespace testing_support
