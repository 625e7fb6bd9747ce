#include <cstdlib>

#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

class OsAppendLineTest : public TOsTest {
 protected:
  TFileSystem& Fs = FileSystem();
  std::string Log = PathOf("plg.log");
};

TEST_F(OsAppendLineTest, CreatesPrivateFileAndAppendsEachLine) {
  Fs.AppendLine(Log, "select * from fs where parid=\"\"");
  EXPECT_EQ(PermissionsOf(Log), fs::perms(0600));
  Fs.AppendLine(Log, "second");
  Fs.AppendLine(Log, "");
  EXPECT_EQ(ReadBytes(Log), "select * from fs where parid=\"\"\r\nsecond\r\n\r\n");
}

TEST_F(OsAppendLineTest, KeepsWhatAnExistingFileHolds) {
  WriteBytes(Log, "earlier\r\n");
  fs::permissions(Log, fs::perms(0644));
  Fs.AppendLine(Log, "later");
  EXPECT_EQ(ReadBytes(Log), "earlier\r\nlater\r\n");
  EXPECT_EQ(PermissionsOf(Log), fs::perms(0644));
}

TEST_F(OsAppendLineTest, FailsNamingTheFile) {
  const auto victim = PathOf("victim.txt");
  WriteBytes(victim, "precious");
  fs::create_symlink(victim, PathOf("link.log"));
  fs::create_symlink(PathOf("absent.txt"), PathOf("dangling.log"));
  fs::create_directory(PathOf("folder.log"));
  const struct {
    std::string Path;
    uint32_t Code;
  } cases[] = {
      {PathOf("link.log"), 1921},      // never written through a symbolic link
      {PathOf("dangling.log"), 1921},  // nor created at a link's target
      {PathOf("folder.log"), 5},
      {PathOf("nodir/plg.log"), 3},
  };
  for (const auto& c : cases) {
    try {
      Fs.AppendLine(c.Path, "text");
      ADD_FAILURE() << "nothing raised for " << c.Path;
    } catch (const EOSError& e) {
      EXPECT_EQ(e.WindowsCode(), c.Code) << c.Path;
      EXPECT_EQ(e.Path(), c.Path);
      EXPECT_NE(std::string(e.what()).find("\"" + c.Path + "\""), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(ReadBytes(victim), "precious");
  EXPECT_FALSE(fs::exists(PathOf("absent.txt")));
}

// Restores an environment variable when the test ends.
class TSavedVariable {
 public:
  explicit TSavedVariable(const char* name) : Name(name) {
    if (const char* value = std::getenv(name)) Saved = value;
  }
  ~TSavedVariable() {
    if (Saved)
      setenv(Name, Saved->c_str(), 1);
    else
      unsetenv(Name);
  }

 private:
  const char* Name;
  std::optional<std::string> Saved;
};

TEST(OsTemporaryDirectoryTest, IsTmpdirElseTmp) {
  TSavedVariable saved("TMPDIR");
  const struct {
    const char* Value;  // nullptr: unset
    std::string Expected;
  } cases[] = {
      {"/var/tmp/mine", "/var/tmp/mine"},
      {"/var/tmp/mine/", "/var/tmp/mine"},
      {"/", "/"},
      {"", "/tmp"},
      {nullptr, "/tmp"},
  };
  for (const auto& c : cases) {
    if (c.Value)
      setenv("TMPDIR", c.Value, 1);
    else
      unsetenv("TMPDIR");
    EXPECT_EQ(FileSystem().TemporaryDirectory(), c.Expected) << (c.Value ? c.Value : "(unset)");
  }
}

}  // namespace
}  // namespace bindershelf::os::testing
