#include <cerrno>

#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

using TLines = std::vector<std::string>;

class OsTextFileTest : public TOsTest {
 protected:
  TFileSystem& Fs = FileSystem();
};

TEST_F(OsTextFileTest, ReadsLinesByTheLineRules) {
  const std::string longLine(100'000, 'x');
  const struct {
    const char* What;
    std::string Bytes;
    TLines Expected;
  } cases[] = {
      {"LF", "a\nb\n", {"a", "b"}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}},
      {"lone CR dropped", "a\rb\r\nc\r", {"ab", "c"}},
      {"CR CR LF", "a\r\r\nb", {"a", "b"}},
      {"no final line end", "a\r\nlast", {"a", "last"}},
      {"empty lines kept", "\n\r\n\nx", {"", "", "", "x"}},
      {"empty file", "", {}},
      {"Ctrl-Z ends the text", "a\r\nb\x1a" "c\r\nd\r\n", {"a", "b"}},
      {"Ctrl-Z at the start", "\x1a" "a\r\n", {}},
      {"Ctrl-Z after a line end", "a\r\n\x1a", {"a"}},
      {"other control bytes kept", std::string("a\tb\0c\n", 6), {std::string("a\tb\0c", 5)}},
      {"100,000-byte line", "first\r\n" + longLine + "\r\nlast", {"first", longLine, "last"}},
  };
  for (const auto& c : cases) {
    const auto path = PathOf("descript.ion");
    WriteBytes(path, c.Bytes);
    EXPECT_EQ(Fs.ReadTextLines(path), c.Expected) << c.What;
  }
}

TEST_F(OsTextFileTest, ReadingRaisesAnErrorNamingTheFile) {
  fs::create_directory(PathOf("folder"));
  const struct {
    std::string Path;
    uint32_t Code;
  } cases[] = {
      {PathOf("missing.ion"), 2},
      {PathOf("nodir/descript.ion"), 3},
      {PathOf("folder"), 5},  // a directory opens but cannot be read
  };
  for (const auto& c : cases) {
    try {
      Fs.ReadTextLines(c.Path);
      ADD_FAILURE() << "nothing raised for " << c.Path;
    } catch (const EOSError& e) {
      EXPECT_EQ(e.WindowsCode(), c.Code) << c.Path;
      EXPECT_EQ(e.Path(), c.Path);
      EXPECT_NE(std::string(e.what()).find("\"" + c.Path + "\""), std::string::npos) << e.what();
    }
  }
}

TEST_F(OsTextFileTest, WritesEachLineWithCrLfAndTruncates) {
  const auto path = PathOf("list.txt");
  WriteBytes(path, "a much longer old content that must not survive\r\n");
  Fs.WriteTextFile(path, {"/data/a.txt", "", "/data/b c.txt"});
  EXPECT_EQ(ReadBytes(path), "/data/a.txt\r\n\r\n/data/b c.txt\r\n");

  Fs.WriteTextFile(path, {});
  EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(OsTextFileTest, WriteIntoAMissingDirectoryRaises) {
  try {
    Fs.WriteTextFile(PathOf("nodir/list.txt"), {"x"});
    FAIL() << "nothing raised";
  } catch (const EOSError& e) {
    EXPECT_EQ(e.WindowsCode(), 3u);
    EXPECT_EQ(e.Path(), PathOf("nodir/list.txt"));
  }
}

}  // namespace
}  // namespace bindershelf::os::testing
