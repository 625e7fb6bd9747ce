// A test with its own started copy of the module, a probe on its catalog, and the query
// log in a temporary directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/CatalogProbe.h"
#include "support/HostCallbacks.h"
#include "support/ModuleCopy.h"
#include "support/ScopedVariable.h"
#include "support/TempDir.h"

namespace testing_support {

class TModuleTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Statements on the catalog beside the module.
  TCatalogProbe& Probe();
  void AddFolderRow(const std::string& id, const std::string& name, const std::string& parent);
  // The texts of the message boxes shown since the last call.
  std::vector<std::string> TakeMessages();

  TTempDir moduleDir;
  TTempDir workDir;  // local files and the query log
  TScopedVariable tmpDir{"TMPDIR", workDir.Path().string()};
  std::unique_ptr<TModuleCopy> module;

 private:
  std::unique_ptr<TCatalogProbe> probe;
};

}  // namespace testing_support
