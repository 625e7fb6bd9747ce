#include <cerrno>

#include "platform/os/FaultInjectingFileSystem.h"
#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

class OsFaultInjectionTest : public TOsTest {
 protected:
  OsFaultInjectionTest() : Faulty(FileSystem()) { WriteBytes(PathOf("a.txt"), "a"); }
  TFaultInjectingFileSystem Faulty;
};

TEST_F(OsFaultInjectionTest, FailsExactlyTheArmedNumberOfCalls) {
  Faulty.FailNext(TFileOperation::RenameFile, ENOSPC, 2);
  for (int i = 0; i < 2; ++i) {
    try {
      Faulty.RenameFile(PathOf("a.txt"), PathOf("b.txt"));
      ADD_FAILURE() << "call " << i << " went through";
    } catch (const EOSError& e) {
      EXPECT_EQ(e.WindowsCode(), 112u);
      EXPECT_EQ(e.Path(), PathOf("a.txt"));
    }
    EXPECT_TRUE(fs::exists(PathOf("a.txt")));  // the armed call never reached the disk
  }
  Faulty.RenameFile(PathOf("a.txt"), PathOf("b.txt"));
  EXPECT_TRUE(fs::exists(PathOf("b.txt")));
  EXPECT_EQ(Faulty.Calls(TFileOperation::RenameFile), 3);
}

TEST_F(OsFaultInjectionTest, EachOperationFailsTheWayItReportsFailures) {
  Faulty.FailNext(TFileOperation::FindFirst, EIO);
  EXPECT_FALSE(Faulty.FindFirst(PathOf("a.txt"), TFindFilter::AnyEntry));
  Faulty.FailNext(TFileOperation::FileExists, EIO);
  EXPECT_FALSE(Faulty.FileExists(PathOf("a.txt")));
  Faulty.FailNext(TFileOperation::DeleteFile, EBUSY);
  EXPECT_FALSE(Faulty.DeleteFile(PathOf("a.txt")));
  EXPECT_TRUE(fs::exists(PathOf("a.txt")));
  Faulty.FailNext(TFileOperation::CopyFile, ENOSPC);
  EXPECT_EQ(Faulty.CopyFile(PathOf("a.txt"), PathOf("c.txt"), false), 112u);
  EXPECT_FALSE(fs::exists(PathOf("c.txt")));
  Faulty.FailNext(TFileOperation::ReadFile, EIO);
  EXPECT_THROW(Faulty.ReadTextLines(PathOf("a.txt")), EOSError);

  // Disarmed, each goes through to the disk.
  EXPECT_TRUE(Faulty.FindFirst(PathOf("a.txt"), TFindFilter::AnyEntry));
  EXPECT_EQ(Faulty.CopyFile(PathOf("a.txt"), PathOf("c.txt"), false), 0u);
  EXPECT_EQ(Faulty.ReadTextLines(PathOf("c.txt")), std::vector<std::string>{"a"});
  EXPECT_TRUE(Faulty.DeleteFile(PathOf("a.txt")));
}

TEST_F(OsFaultInjectionTest, WriteFaultReachesTheOpenedFile) {
  Faulty.FailNext(TFileOperation::Write, ENOSPC);
  try {
    Faulty.AppendLine(PathOf("plg.log"), "query");
    FAIL() << "nothing raised";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.WindowsCode(), 112u);
    EXPECT_EQ(e.Path(), PathOf("plg.log"));
  }
  Faulty.AppendLine(PathOf("plg.log"), "query");
  EXPECT_EQ(ReadBytes(PathOf("plg.log")), "query\r\n");
}

TEST_F(OsFaultInjectionTest, ClearedFaultsNoLongerFire) {
  Faulty.FailNext(TFileOperation::DirectoryExists, EIO, 5);
  Faulty.ClearFaults();
  EXPECT_TRUE(Faulty.DirectoryExists(Root.string()));
}

TEST_F(OsFaultInjectionTest, ReplacesTheFileSystemInUseForAScope) {
  TFileSystem* const original = &FileSystem();
  {
    TScopedFileSystem scope(Faulty);
    EXPECT_EQ(&FileSystem(), &Faulty);
    Faulty.FailNext(TFileOperation::FileExists, EIO);
    EXPECT_FALSE(FileSystem().FileExists(PathOf("a.txt")));
  }
  EXPECT_EQ(&FileSystem(), original);
  EXPECT_TRUE(FileSystem().FileExists(PathOf("a.txt")));
}

}  // namespace
}  // namespace bindershelf::os::testing
