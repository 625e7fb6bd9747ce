#include <chrono>

#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

using namespace std::chrono;

class OsCopyFileTest : public TOsTest {
 protected:
  OsCopyFileTest() {
    WriteBytes(PathOf("source.txt"), "source bytes");
    WriteBytes(PathOf("existing.txt"), "old target bytes, longer than the source");
    fs::create_directory(PathOf("dir"));
  }
  TFileSystem& Fs = FileSystem();
};

TEST_F(OsCopyFileTest, ReportsTheWindowsCodeOfEachOutcome) {
  const struct {
    std::string Source, Target;
    bool FailIfExists;
    uint32_t Expected;
    std::string TargetAfter;  // "" when the target must not exist afterwards
  } cases[] = {
      {"source.txt", "new.txt", true, 0, "source bytes"},
      {"source.txt", "existing.txt", true, 80, "old target bytes, longer than the source"},
      {"source.txt", "existing.txt", false, 0, "source bytes"},
      {"missing.txt", "new2.txt", false, 2, ""},
      {"nodir/missing.txt", "new3.txt", false, 3, ""},
      {"source.txt", "nodir/new.txt", false, 3, ""},
      {"source.txt", "source.txt/new.txt", false, 3, ""},
      {"dir", "new4.txt", false, 5, ""},
      {"source.txt", "dir", false, 5, ""},
      {"source.txt", "dir", true, 80, ""},
      {"source.txt", "source.txt", false, 32, "source bytes"},  // truncating would lose the source
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Source + " -> " + c.Target + (c.FailIfExists ? " (fail if exists)" : ""));
    EXPECT_EQ(Fs.CopyFile(PathOf(c.Source), PathOf(c.Target), c.FailIfExists), c.Expected);
    if (!c.TargetAfter.empty()) {
      EXPECT_EQ(ReadBytes(PathOf(c.Target)), c.TargetAfter);
    } else if (c.Target != "dir") {
      EXPECT_FALSE(fs::exists(PathOf(c.Target)));
    }
    EXPECT_EQ(ReadBytes(PathOf("source.txt")), "source bytes");
  }
}

TEST_F(OsCopyFileTest, KeepsPermissionBitsAndLastWriteTime) {
  const auto written = sys_days{2001y / February / 3} + 4h + 5min + 6s + 123456789ns;
  SetLastWriteTime(PathOf("source.txt"), written);
  fs::permissions(PathOf("source.txt"), fs::perms(0640));

  for (const auto& target : {"fresh.txt", "existing.txt"}) {
    SCOPED_TRACE(target);
    ASSERT_EQ(Fs.CopyFile(PathOf("source.txt"), PathOf(target), false), 0u);
    EXPECT_EQ(PermissionsOf(PathOf(target)), fs::perms(0640));
    EXPECT_EQ(fs::last_write_time(PathOf(target)), fs::last_write_time(PathOf("source.txt")));
  }
}

TEST_F(OsCopyFileTest, CopiesLargeAndEmptyFilesWhole) {
  std::string large(3 * 1024 * 1024 + 17, '\0');
  for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 % 251);
  WriteBytes(PathOf("large.bin"), large);
  WriteBytes(PathOf("empty.bin"), "");

  ASSERT_EQ(Fs.CopyFile(PathOf("large.bin"), PathOf("large-copy.bin"), true), 0u);
  EXPECT_TRUE(ReadBytes(PathOf("large-copy.bin")) == large);
  ASSERT_EQ(Fs.CopyFile(PathOf("empty.bin"), PathOf("empty-copy.bin"), true), 0u);
  EXPECT_EQ(fs::file_size(PathOf("empty-copy.bin")), 0u);
}

}  // namespace
}  // namespace bindershelf::os::testing
