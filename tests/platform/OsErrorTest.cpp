#include <cerrno>
#include <cstdint>

#include "platform/os/OsError.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

struct TMapping {
  int Errnum;
  uint32_t Expected;
};

TEST(OsErrorTest, MapsErrnoToWindowsCodes) {
  const TMapping cases[] = {
      {0, 0},          {ENOTDIR, 3},       {EMFILE, 4},    {ENFILE, 4},     {EACCES, 5},
      {EPERM, 5},      {EISDIR, 5},        {ENOMEM, 8},    {EXDEV, 17},     {EROFS, 19},
      {EBUSY, 32},     {ETXTBSY, 32},      {EEXIST, 80},   {EINVAL, 87},    {ENOSPC, 112},
      {EDQUOT, 112},   {ENOTEMPTY, 145},   {ENAMETOOLONG, 206}, {EFBIG, 223}, {EIO, 1117},
      {ELOOP, 1921},   {EPROTO, 31},       {ECONNRESET, 31},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WindowsErrorFromErrno(c.Errnum, "/tmp/x"), c.Expected) << "errno " << c.Errnum;
}

TEST(OsErrorTest, NoCodeHasTheTopBitSet) {
  for (int errnum = 0; errnum < 256; ++errnum)
    EXPECT_EQ(WindowsErrorFromErrno(errnum, "") & 0x80000000u, 0u) << "errno " << errnum;
}

class OsErrorNotFoundTest : public TOsTest {};

// ENOENT is "file not found" (2) when the directory is there, "path not found" (3) when not.
TEST_F(OsErrorNotFoundTest, TellsAMissingFileFromAMissingDirectory) {
  WriteBytes(PathOf("plain"), "x");
  const struct {
    std::string Path;
    uint32_t Expected;
  } cases[] = {
      {PathOf("missing.txt"), 2},
      {PathOf("nodir/missing.txt"), 3},
      {PathOf("nodir/deeper/missing.txt"), 3},
      {PathOf("plain/missing.txt"), 3},  // the "directory" is a file
      {"/missing-at-root", 2},
      {"relative-name", 2},
      {"", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowsErrorFromErrno(ENOENT, c.Path), c.Expected) << c.Path;
}

TEST(OsErrorTest, RaisedErrorNamesTheFileAndTheSystemText) {
  try {
    RaiseOSError("Cannot open", "/no/such/dir/descript.ion", ENOENT);
    FAIL() << "nothing raised";
  } catch (const EOSError& e) {
    EXPECT_STREQ(e.what(), "Cannot open \"/no/such/dir/descript.ion\": No such file or directory");
    EXPECT_EQ(e.WindowsCode(), 3u);
    EXPECT_EQ(e.Errno(), ENOENT);
    EXPECT_EQ(e.Path(), "/no/such/dir/descript.ion");
  }
}

TEST(OsErrorTest, SystemTextOfAnUnknownErrnoIsNotEmpty) {
  EXPECT_EQ(SystemErrorText(ENOSPC), "No space left on device");
  EXPECT_FALSE(SystemErrorText(100000).empty());
}

}  // namespace
}  // namespace bindershelf::os::testing
