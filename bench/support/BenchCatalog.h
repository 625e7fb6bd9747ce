// A catalog file for benchmarks: folders under the root, each with the same number of
// files, made through the module's own catalog code.
#pragma once

#include <filesystem>
#include <string>

namespace bench_support {

class TBenchCatalog {
 public:
  // Makes a catalog of `folders` folders with `filesPerFolder` files each, in a fresh
  // temporary directory, and leaves the module's connection open on it.
  TBenchCatalog(int folders, int filesPerFolder);
  ~TBenchCatalog();

  std::string File() const;
  static std::string FolderId(int folder) { return "\\F" + std::to_string(folder); }
  static std::string FileId(int folder, int file) { return FolderId(folder) + "\\file" + std::to_string(file) + ".txt"; }

 private:
  std::filesystem::path Dir;
};

}  // namespace bench_support
