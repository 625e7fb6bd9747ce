// A copy of the built module in a directory of its own, loaded as a host loads it, so
// that each test has its own globals, module directory and catalog file.
#pragma once

#include <string>

#include "plugin/fsplugin.h"

namespace testing_support {

class TModuleCopy {
 public:
  // Copies the module into directory and loads it.
  explicit TModuleCopy(const std::string& directory);
  ~TModuleCopy();
  TModuleCopy(const TModuleCopy&) = delete;
  TModuleCopy& operator=(const TModuleCopy&) = delete;

  // The address of an export, or nullptr.
  void* Find(const char* name) const;
  template <class TFunction>
  TFunction* Export(const char* name) const {
    return reinterpret_cast<TFunction*>(Find(name));
  }

  // Unloads the module, as the host does when it ends; the module may not be used again.
  void Unload();

  const std::string& Directory() const { return Dir; }
  std::string CatalogFile() const { return Dir + "/vx.dat"; }

  // The common entry points, resolved at load.
  decltype(&FsInit) Init = nullptr;
  decltype(&FsGetDefRootName) GetDefRootName = nullptr;
  decltype(&FsSetDefaultParams) SetDefaultParams = nullptr;

  // FsInit with the recording callbacks of HostCallbacks.h.
  int32_t InitWithRecorder(int32_t pluginNumber = 7);

 private:
  std::string Dir;
  void* Handle = nullptr;
};

}  // namespace testing_support
