// Icons of catalog items through FsExtractCustomIcon, and the icon resources behind them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "module/ItemFixture.h"

namespace testing_support {
namespace {

// What an icon handle points to, as the module lays it out.
struct TIconRecord {
  const char* name;
  const unsigned char* bytes;
  size_t size;
};

const HICON kUntouched = reinterpret_cast<HICON>(0x5eed);

struct TAnswer {
  int32_t result;
  HICON icon;
};

std::string ResourceOf(HICON icon) {
  if (icon == kUntouched) return "<untouched>";
  if (icon == nullptr) return "<null>";
  return static_cast<const TIconRecord*>(icon)->name;
}

class CustomIcon : public TItemFixture {
 protected:
  void SetUp() override {
    TItemFixture::SetUp();
    extract = module->Export<decltype(FsExtractCustomIcon)>("FsExtractCustomIcon");
    ASSERT_TRUE(extract);
  }

  TAnswer Ask(const std::string& remoteName, int32_t flags = FS_ICONFLAG_BACKGROUND | FS_ICONFLAG_SMALL) {
    std::string buffer = remoteName;
    TAnswer answer{0, kUntouched};
    answer.result = extract(buffer.data(), flags, &answer.icon);
    EXPECT_EQ(buffer, remoteName) << "the remote name is not to be changed";
    return answer;
  }
  // The result and the resource handed over, e.g. "1 DELICON" or "0 <untouched>".
  std::string AnswerFor(const std::string& remoteName) {
    TAnswer answer = Ask(remoteName);
    return std::to_string(answer.result) + " " + ResourceOf(answer.icon);
  }

  decltype(&FsExtractCustomIcon) extract = nullptr;
};

TEST_F(CustomIcon, EachItemGetsTheIconOfItsOwnRow) {
  AddItem("\\present.txt", LocalFile("present.txt"));
  AddItem("\\gone.txt", Local("gone.txt"));
  AddItem("\\Linked", Local("linked"), 16);
  std::filesystem::create_directory(Local("linked"));
  AddVirtualFolder("\\Virtual");
  AddItem("\\Virtual\\inner.txt", LocalFile("inner.txt"));
  // Names that a pattern would read as wildcards, and a quote that would end a literal.
  AddItem("\\100%.txt", Local("percent.txt"));
  AddItem("\\a_c.txt", Local("underscore.txt"));
  AddItem("\\abc.txt", LocalFile("abc.txt"));
  AddItem("\\say \"hi\".txt", Local("quoted.txt"));

  struct TCase {
    const char* remote;
    const char* answer;
  };
  const TCase cases[] = {
      {"\\present.txt", "0 <untouched>"},
      {"\\PRESENT.TXT", "0 <untouched>"},
      {"\\gone.txt", "1 DELICON"},
      {"\\Linked", "1 DELICON"},  // a directory is not a file
      {"\\Virtual", "1 SMALLICON"},
      {"\\Virtual\\", "1 SMALLICON"},
      {"\\Virtual\\inner.txt", "0 <untouched>"},
      {"\\nothing", "1 SMALLICON"},
      {"\\", "1 SMALLICON"},
      {"\\present", "1 SMALLICON"},  // only the beginning of an ID
      {"\\100%.txt", "1 DELICON"},
      {"\\100%", "1 SMALLICON"},
      {"\\a_c.txt", "1 DELICON"},
      {"\\a_c", "1 SMALLICON"},
      {"\\say \"hi\".txt", "1 DELICON"},
  };
  for (const TCase& c : cases) EXPECT_EQ(AnswerFor(c.remote), c.answer) << c.remote;
  EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(CustomIcon, ANameAndALongerNameBeginningWithItAreDecidedApart) {
  struct TCase {
    bool shortFirst;  // order of insertion
    bool shortPresent;
  };
  for (TCase c : {TCase{true, true}, TCase{true, false}, TCase{false, true}, TCase{false, false}}) {
    SCOPED_TRACE(std::string(c.shortFirst ? "\\a.txt inserted first" : "\\a.txt.bak inserted first") +
                 (c.shortPresent ? ", \\a.txt present" : ", \\a.txt.bak present"));
    probe->Execute("delete * from fs");
    std::string shortFile = c.shortPresent ? LocalFile("a.txt") : Local("missing-a.txt");
    std::string longFile = c.shortPresent ? Local("missing-a.txt.bak") : LocalFile("a.txt.bak");
    if (c.shortFirst) AddItem("\\a.txt", shortFile);
    AddItem("\\a.txt.bak", longFile);
    if (!c.shortFirst) AddItem("\\a.txt", shortFile);

    EXPECT_EQ(AnswerFor("\\a.txt"), c.shortPresent ? "0 <untouched>" : "1 DELICON");
    EXPECT_EQ(AnswerFor("\\a.txt.bak"), c.shortPresent ? "1 DELICON" : "0 <untouched>");
  }
}

TEST_F(CustomIcon, WithoutTheBackgroundFlagNothingIsLookedUp) {
  AddItem("\\gone.txt", Local("gone.txt"));
  // With no table a lookup could only fail; an answer of 3 shows none was made.
  probe->Execute("drop table fs");
  for (int32_t flags : {0, FS_ICONFLAG_SMALL}) {
    TAnswer answer = Ask("\\gone.txt", flags);
    EXPECT_EQ(answer.result, FS_ICON_DELAYED) << flags;
    EXPECT_EQ(answer.icon, kUntouched) << flags;
  }
}

TEST_F(CustomIcon, AFailedLookupLeavesTheHostsIconAndShowsNothing) {
  AddItem("\\gone.txt", Local("gone.txt"));
  probe->Execute("drop table fs");
  EXPECT_EQ(AnswerFor("\\gone.txt"), "0 <untouched>");
  EXPECT_EQ(MessageCount(), 0u);
}

TEST_F(CustomIcon, HandlesAreTheSameOnEveryCallAndNameTheirResource) {
  AddItem("\\gone.txt", Local("gone.txt"));
  TAnswer crossedOut = Ask("\\gone.txt");
  TAnswer plain = Ask("\\nothing");
  ASSERT_EQ(ResourceOf(crossedOut.icon), "DELICON");
  ASSERT_EQ(ResourceOf(plain.icon), "SMALLICON");
  EXPECT_NE(crossedOut.icon, plain.icon);
  AddItem("\\later.txt", Local("later.txt"));
  EXPECT_EQ(Ask("\\later.txt").icon, crossedOut.icon);
  EXPECT_EQ(Ask("\\nothing else").icon, plain.icon);
}

uint16_t Word(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Dword(const unsigned char* p) { return Word(p) | static_cast<uint32_t>(Word(p + 2)) << 16; }

// The icon resource as a 16 x 16, 16-colour .ico: header fields, and the number of opaque
// pixels of each palette colour.
struct TIconPicture {
  std::vector<std::string> faults;
  int opaque = 0;
  int red = 0;
};

TIconPicture ReadIcon(const TIconRecord& record) {
  TIconPicture picture;
  auto require = [&](bool holds, const char* what) {
    if (!holds) picture.faults.push_back(what);
    return holds;
  };
  const unsigned char* b = record.bytes;
  if (!require(record.size >= 22, "directory")) return picture;
  require(Word(b) == 0 && Word(b + 2) == 1 && Word(b + 4) == 1, "one icon image");
  require(b[6] == 16 && b[7] == 16, "16 x 16 in the directory");
  require(b[8] == 16, "16 colours in the directory");
  require(Word(b + 10) == 1 && Word(b + 12) == 4, "1 plane of 4 bits in the directory");
  uint32_t imageSize = Dword(b + 14);
  uint32_t offset = Dword(b + 18);
  if (!require(offset + imageSize == record.size, "image size and offset fill the file")) return picture;
  const unsigned char* image = b + offset;
  constexpr uint32_t kImageSize = 40 + 16 * 4 + 16 * 8 + 16 * 4;  // header, palette, colours, mask
  if (!require(imageSize == kImageSize, "a 4-bit 16 x 16 image with its mask")) return picture;
  require(Dword(image) == 40, "bitmap header");
  require(Dword(image + 4) == 16 && Dword(image + 8) == 32, "16 wide, 16 high with the mask");
  require(Word(image + 12) == 1 && Word(image + 14) == 4, "1 plane of 4 bits");
  require(Dword(image + 16) == 0, "uncompressed");
  const unsigned char* palette = image + 40;
  const unsigned char* colours = palette + 64;
  const unsigned char* mask = colours + 128;
  for (int row = 0; row < 16; ++row)
    for (int x = 0; x < 16; ++x) {
      bool transparent = (mask[row * 4 + x / 8] >> (7 - x % 8)) & 1;
      if (transparent) continue;
      int index = (colours[row * 8 + x / 2] >> (x % 2 ? 0 : 4)) & 15;
      const unsigned char* bgr = palette + 4 * index;
      ++picture.opaque;
      if (bgr[2] == 0xFF && bgr[1] == 0 && bgr[0] == 0) ++picture.red;
    }
  return picture;
}

TEST_F(CustomIcon, ResourcesAreSixteenColourIconsAndOnlyTheCrossedOutOneHasRed) {
  AddItem("\\gone.txt", Local("gone.txt"));
  const auto* crossedOut = static_cast<const TIconRecord*>(Ask("\\gone.txt").icon);
  const auto* plain = static_cast<const TIconRecord*>(Ask("\\nothing").icon);
  ASSERT_TRUE(crossedOut && plain);
  TIconPicture x = ReadIcon(*crossedOut);
  TIconPicture disk = ReadIcon(*plain);
  EXPECT_EQ(x.faults, std::vector<std::string>{});
  EXPECT_EQ(disk.faults, std::vector<std::string>{});
  EXPECT_GT(disk.opaque, 150);
  EXPECT_LT(disk.opaque, 256);  // the corners show the panel
  EXPECT_EQ(disk.red, 0);
  EXPECT_GT(x.red, 30);
}

}  // namespace
}  // namespace testing_support
