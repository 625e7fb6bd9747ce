// A test of the module's own units on a fresh catalog in a temporary directory, with the
// globals put back to their load values afterwards. For tests linked with the core
// library (the module's units without their exports).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "catalog/Schema.h"
#include "plugin/Common.h"
#include "plugin/Startup.h"
#include "support/TempDir.h"

namespace testing_support {

class TCoreCatalogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bindershelf::ModuleDir = dir.Path().string() + "/";
    bindershelf::DatabaseName = bindershelf::kDefaultDatabaseName;
    bindershelf::ProviderPrefix = bindershelf::kProviderPrefix;
    bindershelf::catalog::CreateCatalog();
  }
  void TearDown() override {
    bindershelf::ReleaseCatalog(bindershelf::kProcessDetach);
    bindershelf::DatabaseName.clear();
    bindershelf::ListFilter.clear();
    bindershelf::JumpTarget.clear();
  }

  TTempDir dir;
};

}  // namespace testing_support
