#include <chrono>

#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

using namespace std::chrono;
using std::filesystem::perms;

class OsFindFirstTest : public TOsTest {
 protected:
  TFileSystem& Fs = FileSystem();
};

TEST_F(OsFindFirstTest, AttributesFollowTypeWritabilityAndLeadingDot) {
  const struct {
    std::string Name;
    bool Directory;
    perms Mode;
    uint32_t Expected;
  } cases[] = {
      {"plain.txt", false, perms(0644), 0x20},
      {"locked.txt", false, perms(0444), 0x21},
      {"other-readonly.txt", false, perms(0622), 0x20},  // only the owner's write bit counts
      {".hidden", false, perms(0644), 0x22},
      {".hidden-locked", false, perms(0400), 0x23},
      {"folder", true, perms(0755), 0x10},
      {".folder", true, perms(0755), 0x12},
      {"locked-folder", true, perms(0555), 0x11},
  };
  for (const auto& c : cases) {
    const auto path = PathOf(c.Name);
    if (c.Directory)
      fs::create_directory(path);
    else
      WriteBytes(path, "abc");
    fs::permissions(path, c.Mode);

    const auto entry = Fs.FindFirst(path, TFindFilter::AnyEntry);
    ASSERT_TRUE(entry) << c.Name;
    EXPECT_EQ(entry->Name, c.Name);
    EXPECT_EQ(entry->Attributes, c.Expected) << c.Name;
    EXPECT_EQ(entry->Size, c.Directory ? 0u : 3u) << c.Name;
  }
}

TEST_F(OsFindFirstTest, TimesAreHundredNanosecondsSince1601) {
  const struct {
    sys_time<nanoseconds> Written;
    uint64_t Expected;
  } cases[] = {
      {sys_days{2001y / February / 3} + 4h + 5min + 6s + 700ms, 126256467067000000ull},
      {sys_days{1970y / January / 1}, 116444736000000000ull},
      {sys_days{1969y / July / 20} + 20h + 17min + 40s, 116302906600000000ull},  // before 1970
  };
  const auto path = PathOf("dated.txt");
  WriteBytes(path, "x");
  for (const auto& c : cases) {
    SetLastWriteTime(path, c.Written);
    const auto entry = Fs.FindFirst(path, TFindFilter::AnyEntry);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->LastWriteTime, c.Expected);
  }
}

// The birth time where the file system keeps one (then it is when the file was made, not
// the older write time set here), else the write time.
TEST_F(OsFindFirstTest, CreationIsBirthTimeOrLastWriteTime) {
  const auto path = PathOf("born.txt");
  const uint64_t before = Fs.CurrentFileTime();
  WriteBytes(path, "x");
  SetLastWriteTime(path, sys_days{2001y / February / 3});
  const auto entry = Fs.FindFirst(path, TFindFilter::AnyEntry);
  ASSERT_TRUE(entry);
  constexpr uint64_t TwoSeconds = 20'000'000;
  const bool isBirth = entry->CreationTime + TwoSeconds >= before && entry->CreationTime <= Fs.CurrentFileTime();
  EXPECT_TRUE(isBirth || entry->CreationTime == entry->LastWriteTime) << entry->CreationTime;
  // Access time is when the file was made; the write time was set back years after that.
  EXPECT_GT(entry->LastAccessTime, entry->LastWriteTime);
}

TEST_F(OsFindFirstTest, SizeBeyondFourGibibytesKeepsBothHalves) {
  const auto path = PathOf("sparse.bin");
  WriteBytes(path, "");
  const uint64_t size = (uint64_t{5} << 32) + 12345;
  fs::resize_file(path, size);
  const auto entry = Fs.FindFirst(path, TFindFilter::AnyEntry);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Size >> 32, 5u);
  EXPECT_EQ(entry->Size & 0xFFFFFFFFu, 12345u);
}

TEST_F(OsFindFirstTest, SkipHiddenFindsVisibleFilesAndFoldersOnly) {
  WriteBytes(PathOf("seen.txt"), "x");
  WriteBytes(PathOf(".unseen"), "x");
  fs::create_directory(PathOf("Photos"));
  fs::create_directory(PathOf(".config"));
  fs::permissions(PathOf("seen.txt"), perms(0444));

  EXPECT_TRUE(Fs.FindFirst(PathOf("seen.txt"), TFindFilter::SkipHidden));
  EXPECT_TRUE(Fs.FindFirst(PathOf("Photos"), TFindFilter::SkipHidden));
  EXPECT_FALSE(Fs.FindFirst(PathOf(".unseen"), TFindFilter::SkipHidden));
  EXPECT_FALSE(Fs.FindFirst(PathOf(".config"), TFindFilter::SkipHidden));
  EXPECT_TRUE(Fs.FindFirst(PathOf(".config"), TFindFilter::AnyEntry));
}

TEST_F(OsFindFirstTest, FindsNothingWithoutAnEntryOfThatExactName) {
  WriteBytes(PathOf("a.txt"), "x");
  fs::create_directory(PathOf("dir"));
  for (const auto& path : {PathOf("missing"), PathOf("*.txt"), PathOf("a.tx?"), PathOf("dir") + "/",
                           PathOf("a.txt/inner"), std::string()})
    EXPECT_FALSE(Fs.FindFirst(path, TFindFilter::AnyEntry)) << path;
}

TEST_F(OsFindFirstTest, FollowsSymbolicLinks) {
  WriteBytes(PathOf("real.txt"), "12345");
  fs::create_symlink(PathOf("real.txt"), PathOf("link.txt"));
  const auto entry = Fs.FindFirst(PathOf("link.txt"), TFindFilter::AnyEntry);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Name, "link.txt");
  EXPECT_EQ(entry->Size, 5u);
}

TEST_F(OsFindFirstTest, ExistenceTellsFilesFromDirectories) {
  WriteBytes(PathOf("file"), "x");
  fs::create_directory(PathOf("dir"));
  fs::create_symlink(PathOf("file"), PathOf("file-link"));
  fs::create_symlink(PathOf("gone"), PathOf("dangling"));
  const struct {
    std::string Name;
    bool File, Directory;
  } cases[] = {
      {"file", true, false}, {"dir", false, true}, {"file-link", true, false},
      {"dangling", false, false}, {"missing", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Fs.FileExists(PathOf(c.Name)), c.File) << c.Name;
    EXPECT_EQ(Fs.DirectoryExists(PathOf(c.Name)), c.Directory) << c.Name;
  }
}

}  // namespace
}  // namespace bindershelf::os::testing
