// What the entry points answer when the host hands them nothing to work on.
#include <gtest/gtest.h>

#include "support/ModuleFixture.h"

namespace testing_support {
namespace {

class Boundary : public TModuleTest {};

TEST_F(Boundary, NullArgumentsGiveAnAnswerInsteadOfACrash) {
  auto findFirst = module->Export<decltype(FsFindFirst)>("FsFindFirst");
  auto findNext = module->Export<decltype(FsFindNext)>("FsFindNext");
  auto putFile = module->Export<decltype(FsPutFile)>("FsPutFile");
  auto getFile = module->Export<decltype(FsGetFile)>("FsGetFile");
  auto renMov = module->Export<decltype(FsRenMovFile)>("FsRenMovFile");
  auto execute = module->Export<decltype(FsExecuteFile)>("FsExecuteFile");
  ASSERT_TRUE(findFirst && findNext && putFile && getFile && renMov && execute);

  char root[] = "\\";
  EXPECT_EQ(findFirst(root, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(findNext(nullptr, nullptr), FS_FALSE);
  WIN32_FIND_DATAA data;
  EXPECT_EQ(findFirst(nullptr, &data), nullptr);  // the root
  EXPECT_STREQ(data.cFileName, "..");
  EXPECT_EQ(putFile(nullptr, nullptr, 0), FS_FILE_WRITEERROR);
  EXPECT_EQ(getFile(nullptr, nullptr, 0, nullptr), FS_FILE_OK);  // no item has that name
  EXPECT_EQ(renMov(nullptr, nullptr, FS_FALSE, FS_FALSE, nullptr), FS_FILE_READERROR);
  EXPECT_EQ(execute(nullptr, root, nullptr), FS_EXEC_OK);
  EXPECT_EQ(Probe().Count("select * from fs"), 0u);
}

}  // namespace
}  // namespace testing_support
