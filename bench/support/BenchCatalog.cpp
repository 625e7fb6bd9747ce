#include "support/BenchCatalog.h"

#include <stdlib.h>

#include <stdexcept>

#include "catalog/Schema.h"
#include "plugin/Common.h"
#include "plugin/Startup.h"
#include "plugin/TextPieces.h"

namespace bench_support {

using namespace bindershelf;

namespace {

void AddRow(const std::string& id, const std::string& name, const std::string& parent, int attributes) {
  CatalogConnection->Execute("insert into fs(ID,[Name],parid,Fileattr,PTHor,lwFileSize,upFileSize,LastWrite) values(" +
                             Quoted(id) + "," + Quoted(name) + "," + Quoted(parent) + "," +
                             std::to_string(attributes) + "," + Quoted("/data" + id) + ",1234,0,45000.5)");
}

}  // namespace

TBenchCatalog::TBenchCatalog(int folders, int filesPerFolder) {
  std::string pattern = (std::filesystem::temp_directory_path() / "bindershelf-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
  Dir = pattern;
  ModuleDir = Dir.string() + "/";
  DatabaseName = kDefaultDatabaseName;
  ProviderPrefix = kProviderPrefix;
  catalog::CreateCatalog();
  for (int folder = 0; folder < folders; ++folder) {
    AddRow(FolderId(folder), "F" + std::to_string(folder), "", 16);
    for (int file = 0; file < filesPerFolder; ++file)
      AddRow(FileId(folder, file), "file" + std::to_string(file) + ".txt", FolderId(folder), 32);
  }
}

TBenchCatalog::~TBenchCatalog() {
  ReleaseCatalog(kProcessDetach);
  std::error_code ignored;
  std::filesystem::remove_all(Dir, ignored);
}

std::string TBenchCatalog::File() const { return CatalogFileName(); }

}  // namespace bench_support
