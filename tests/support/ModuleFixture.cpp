#include "support/ModuleFixture.h"

namespace testing_support {

void TModuleTest::SetUp() {
  HostRecord().Reset();
  module = std::make_unique<TModuleCopy>(moduleDir.Path().string());
  ASSERT_EQ(module->InitWithRecorder(), 0);
}

void TModuleTest::TearDown() {
  probe.reset();
  module.reset();
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
