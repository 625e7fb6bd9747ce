// What the host draws: listing columns, message frames, the progress bar.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <ctime>
#include <sstream>

#include "host/EntryFormat.h"
#include "host/MessageBox.h"
#include "host/ProgressDisplay.h"
#include "host/TerminalText.h"

namespace bindershelf::host {
namespace {

TCatalogEntry EntryWritten(uint64_t fileTime) {
  WIN32_FIND_DATAA data{};
  data.ftLastWriteTime = {static_cast<DWORD>(fileTime & 0xFFFFFFFFu), static_cast<DWORD>(fileTime >> 32)};
  return EntryFromFindData(data);
}

class TUtcZone : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* zone = std::getenv("TZ");
    Saved = zone ? std::optional<std::string>(zone) : std::nullopt;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (Saved) setenv("TZ", Saved->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  std::optional<std::string> Saved;
};

using EntryFormatTest = TUtcZone;

TEST_F(EntryFormatTest, WriteTimesCountFrom1601AndTheNoDateMarkerIsBlank) {
  struct TCase {
    uint64_t fileTime;
    const char* shown;
  };
  const TCase cases[] = {
      {0xFFFFFFFFFFFFFFFEull, "                   "},
      {116444736000000000ull, "1970-01-01 00:00:00"},
      {133572318000000000ull, "2024-04-10 14:10:00"},
      {0, "1601-01-01 00:00:00"},
  };
  for (const TCase& c : cases) EXPECT_EQ(FormatWriteTime(EntryWritten(c.fileTime)), c.shown) << c.fileTime;
}

TEST(EntryTest, SizeJoinsBothHalvesAndNameStopsAtTheField) {
  WIN32_FIND_DATAA data{};
  data.nFileSizeHigh = 1;
  data.nFileSizeLow = 5;
  std::memset(data.cFileName, 'x', sizeof data.cFileName);  // no NUL inside the field
  TCatalogEntry entry = EntryFromFindData(data);
  EXPECT_EQ(entry.size, 4294967301ull);
  EXPECT_EQ(entry.name.size(), sizeof data.cFileName);
  RemoteInfoStruct info = entry.RemoteInfo();
  EXPECT_EQ(info.SizeHigh, 1u);
  EXPECT_EQ(info.SizeLow, 5u);
}

TEST(EntryTest, AttributesShowAsLetters) {
  EXPECT_EQ(FormatAttributes(FILE_ATTRIBUTE_DIRECTORY), "d----");
  EXPECT_EQ(FormatAttributes(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), "-rh-a");
  EXPECT_EQ(FormatAttributes(FILE_ATTRIBUTE_SYSTEM), "---s-");
}

TEST(MessageFrameTest, EveryLineOfTheFrameIsEquallyWide) {
  const std::string texts[] = {
      "short",
      "Ошибка: файл не найден\nsecond line",
      std::string(200, 'w') + " and " + std::string(30, 'z'),
      "",
  };
  for (const std::string& text : texts) {
    std::istringstream frame(FrameMessage("Bindershelf", text));
    std::string line;
    std::getline(frame, line);
    EXPECT_NE(line.find(" Bindershelf "), std::string::npos);
    size_t width = TerminalColumns(line);
    EXPECT_LE(width, 80u);
    int lines = 1;
    while (std::getline(frame, line)) {
      EXPECT_EQ(TerminalColumns(line), width) << line;
      ++lines;
    }
    EXPECT_GE(lines, 3);
  }
}

TEST(MessageFrameTest, LongTextIsWrappedNotCut) {
  std::string text = "alpha beta gamma " + std::string(100, 'q');
  std::string frame = FrameMessage("T", text);
  std::string letters;
  for (char c : frame)
    if (c == 'q') letters += c;
  EXPECT_EQ(letters.size(), 100u);
  EXPECT_NE(frame.find("alpha beta gamma"), std::string::npos);
}

TEST(ProgressTest, CountsFilesDoneOfAll) {
  struct TCase {
    size_t done, total;
    int percent;
    const char* counts;
  };
  const TCase cases[] = {{0, 2, 0, "] 0/2 0% "}, {0, 2, 100, "] 1/2 100% "}, {1, 2, 0, "] 1/2 0% "},
                         {2, 2, 100, "] 2/2 100% "}, {0, 1, 250, "] 1/1 100% "}};
  for (const TCase& c : cases)
    EXPECT_NE(ProgressLine(c.done, c.total, c.percent, "a.txt").find(c.counts), std::string::npos)
        << ProgressLine(c.done, c.total, c.percent, "a.txt");
  EXPECT_EQ(ProgressLine(0, 2, 0, "a").substr(0, 3), "[--");
  EXPECT_EQ(ProgressLine(2, 2, 100, "a").substr(0, 3), "[##");
}

TEST(ProgressTest, ShowsTheCurrentFileByItsShortName) {
  std::ostringstream out;
  TProgressDisplay progress(out, false);
  progress.Begin(2);
  progress.Report("/home/me/Photos/beach.jpg", 0);
  progress.Report("/home/me/Photos/beach.jpg", 100);
  progress.FileDone();
  progress.Report("\\Trip\\sea.jpg", 0);
  progress.End();
  EXPECT_EQ(out.str(),
            ProgressLine(0, 2, 0, "beach.jpg") + "\n" + ProgressLine(0, 2, 100, "beach.jpg") + "\n" +
                ProgressLine(1, 2, 0, "sea.jpg") + "\n");
}

}  // namespace
}  // namespace bindershelf::host
