#include <cerrno>

#include "platform/os/FaultInjectingFileSystem.h"
#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

const std::string OldContent = "old.txt <?Author?>Ann\r\nother line\r\n\x1a";
const std::string NewContent = "new.txt <?dsc?>replaced\r\n";

class OsReplaceFileTest : public TOsTest {
 protected:
  OsReplaceFileTest() : Faulty(FileSystem()) {
    Target = PathOf("descript.ion");
    WriteBytes(Target, OldContent);
    fs::permissions(Target, fs::perms(0640));
  }

  std::string Target;
  TFaultInjectingFileSystem Faulty;
};

TEST_F(OsReplaceFileTest, ReplacesContentAndKeepsPermissionBits) {
  for (const auto mode : {fs::perms(0640), fs::perms(0444), fs::perms(0604)}) {
    fs::permissions(Target, mode);
    FileSystem().ReplaceFileSafely(Target, NewContent);
    EXPECT_EQ(ReadBytes(Target), NewContent);
    EXPECT_EQ(PermissionsOf(Target), mode);
  }
  EXPECT_EQ(Names(), std::vector<std::string>{"descript.ion"});
}

TEST_F(OsReplaceFileTest, NewFileGetsDefaultPermissionsLessUmask) {
  const auto fresh = PathOf("sub/descript.ion");
  fs::create_directory(PathOf("sub"));
  WriteBytes(PathOf("probe"), "");  // made with 0666 less the umask
  FileSystem().ReplaceFileSafely(fresh, NewContent);
  EXPECT_EQ(ReadBytes(fresh), NewContent);
  EXPECT_EQ(PermissionsOf(fresh), fs::perms(0644) & PermissionsOf(PathOf("probe")));
}

TEST_F(OsReplaceFileTest, LeavesALeftoverTemporaryNameAlone) {
  WriteBytes(PathOf("descript.$$$"), "left over from an earlier run");
  FileSystem().ReplaceFileSafely(Target, NewContent);
  EXPECT_EQ(ReadBytes(Target), NewContent);
  EXPECT_EQ(ReadBytes(PathOf("descript.$$$")), "left over from an earlier run");
  EXPECT_EQ(Names(), (std::vector<std::string>{"descript.$$$", "descript.ion"}));
}

TEST_F(OsReplaceFileTest, AnyFailedStepLeavesTheOldFileAndNoTemporary) {
  const struct {
    TFileOperation Operation;
    int Errnum;
    uint32_t Code;
  } cases[] = {
      {TFileOperation::CreateUniqueFile, ENOSPC, 112}, {TFileOperation::SetPermissions, EPERM, 5},
      {TFileOperation::Write, ENOSPC, 112},            {TFileOperation::Sync, EIO, 1117},
      {TFileOperation::Close, EIO, 1117},              {TFileOperation::RenameFile, EACCES, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Operation));
    Faulty.FailNext(c.Operation, c.Errnum);
    try {
      Faulty.ReplaceFileSafely(Target, NewContent);
      ADD_FAILURE() << "nothing raised";
    } catch (const EOSError& e) {
      EXPECT_EQ(e.WindowsCode(), c.Code);
      EXPECT_EQ(e.Errno(), c.Errnum);
      EXPECT_EQ(e.Path(), Target);
      EXPECT_NE(std::string(e.what()).find("\"" + Target + "\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadBytes(Target), OldContent);
    EXPECT_EQ(PermissionsOf(Target), fs::perms(0640));
    EXPECT_EQ(Names(), std::vector<std::string>{"descript.ion"});
  }
  // The next call, no longer armed, goes through.
  Faulty.ReplaceFileSafely(Target, NewContent);
  EXPECT_EQ(ReadBytes(Target), NewContent);
}

TEST_F(OsReplaceFileTest, NoFileAppearsWhenThereWasNone) {
  const auto fresh = PathOf("new.ion");
  Faulty.FailNext(TFileOperation::RenameFile, ENOSPC);
  EXPECT_THROW(Faulty.ReplaceFileSafely(fresh, NewContent), EOSError);
  EXPECT_EQ(Names(), std::vector<std::string>{"descript.ion"});
}

TEST_F(OsReplaceFileTest, ADirectoryInTheWayIsNotReplaced) {
  fs::create_directory(PathOf("folder"));
  WriteBytes(PathOf("folder/inner"), "kept");
  EXPECT_THROW(FileSystem().ReplaceFileSafely(PathOf("folder"), NewContent), EOSError);
  EXPECT_EQ(ReadBytes(PathOf("folder/inner")), "kept");
  EXPECT_EQ(Names(), (std::vector<std::string>{"descript.ion", "folder"}));
}

TEST_F(OsReplaceFileTest, MissingDirectoryRaisesPathNotFound) {
  try {
    FileSystem().ReplaceFileSafely(PathOf("nodir/descript.ion"), NewContent);
    FAIL() << "nothing raised";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.Path(), PathOf("nodir/descript.ion"));
    EXPECT_EQ(e.WindowsCode(), 3u);
  }
}

}  // namespace
}  // namespace bindershelf::os::testing
