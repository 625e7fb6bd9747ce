// The module file, loaded with the dynamic loader, and its entry points found by name.
#pragma once

#include <filesystem>

#include "host/HostError.h"

namespace bindershelf::host {

class TModuleLibrary {
 public:
  // Loads the module; raises THostError naming the file when it is missing or cannot load.
  explicit TModuleLibrary(const std::filesystem::path& file);
  ~TModuleLibrary();
  TModuleLibrary(const TModuleLibrary&) = delete;
  TModuleLibrary& operator=(const TModuleLibrary&) = delete;

  // The entry point of that name, or nullptr when the module does not export it.
  template <class TFunction>
  TFunction* Find(const char* name) const {
    return reinterpret_cast<TFunction*>(FindSymbol(name));
  }

  // The entry point of that name; raises TMissingExport when the module lacks it.
  template <class TFunction>
  TFunction* Need(const char* name) const {
    TFunction* function = Find<TFunction>(name);
    if (!function) throw TMissingExport(name);
    return function;
  }

  const std::filesystem::path& File() const { return Path; }

 private:
  void* FindSymbol(const char* name) const;

  std::filesystem::path Path;
  void* Handle = nullptr;
};

// bindershelf.so in the directory of the running host program.
std::filesystem::path DefaultModulePath();

}  // namespace bindershelf::host
