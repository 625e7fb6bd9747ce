#include "support/ModuleFixture.h"

#include <stdlib.h>

namespace testing_support {

void TModuleTest::SetUp() {
  const char* tmp = getenv("TMPDIR");
  hadTmpDir = tmp != nullptr;
  if (hadTmpDir) savedTmpDir = tmp;
  setenv("TMPDIR", workDir.Path().c_str(), 1);
  HostRecord().Reset();
  module = std::make_unique<TModuleCopy>(moduleDir.Path().string());
  ASSERT_EQ(module->InitWithRecorder(), 0);
}

void TModuleTest::TearDown() {
  probe.reset();
  module.reset();
  if (hadTmpDir)
    setenv("TMPDIR", savedTmpDir.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

TCatalogProbe& TModuleTest::Probe() {
  if (!probe) probe = std::make_unique<TCatalogProbe>(module->CatalogFile());
  return *probe;
}

void TModuleTest::AddFolderRow(const std::string& id, const std::string& name, const std::string& parent) {
  Probe().Execute("insert into fs(ID,[Name],parid,Fileattr) values(\"" + id + "\",\"" + name + "\",\"" +
                  parent + "\",16)");
}

std::vector<std::string> TModuleTest::TakeMessages() {
  std::vector<std::string> texts;
  for (const TRequest& r : HostRecord().requests) texts.push_back(r.text);
  HostRecord().requests.clear();
  return texts;
}

}  // namespace testing_support
