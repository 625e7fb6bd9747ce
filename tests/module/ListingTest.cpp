// Listing catalog folders through FsFindFirst, FsFindNext and FsFindClose.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/ModuleFixture.h"

namespace testing_support {
namespace {

constexpr DWORD kNoDateLow = 0xFFFFFFFEu;
constexpr DWORD kNoDateHigh = 0xFFFFFFFFu;

class Listing : public TModuleTest {
 protected:
  void SetUp() override {
    TModuleTest::SetUp();
    findFirst = module->Export<decltype(FsFindFirst)>("FsFindFirst");
    findNext = module->Export<decltype(FsFindNext)>("FsFindNext");
    findClose = module->Export<decltype(FsFindClose)>("FsFindClose");
    ASSERT_TRUE(findFirst && findNext && findClose);
  }

  // The names of every entry of a listing, in the order they came.
  std::vector<std::string> Names(std::string path) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE h = findFirst(path.data(), &data);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.push_back(data.cFileName);
    while (findNext(h, &data));
    findClose(h);
    return names;
  }
  std::vector<std::string> SortedNames(const std::string& path) {
    auto names = Names(path);
    std::sort(names.begin(), names.end());
    return names;
  }
  void AddFile(const std::string& id, const std::string& name, const std::string& parent,
               const std::string& moreColumns = "", const std::string& moreValues = "") {
    Probe().Execute("insert into fs(ID,[Name],parid,Fileattr" + moreColumns + ") values(\"" + id + "\",\"" + name +
                    "\",\"" + parent + "\",32" + moreValues + ")");
  }

  decltype(&FsFindFirst) findFirst = nullptr;
  decltype(&FsFindNext) findNext = nullptr;
  decltype(&FsFindClose) findClose = nullptr;
};

TEST_F(Listing, RootShowsItemsWithEmptyOrNullParent) {
  AddFolderRow("\\Trip", "Trip", "");
  Probe().Execute("insert into fs(ID,[Name],Fileattr) values(\"\\Loose\",\"Loose\",32)");
  AddFile("\\Trip\\beach.jpg", "beach.jpg", "\\Trip");
  EXPECT_EQ(SortedNames("\\"), (std::vector<std::string>{"Loose", "Trip"}));
  for (const char* path : {"\\Trip", "\\Trip\\", "\\trip", "\\TRIP\\"})
    EXPECT_EQ(Names(path), std::vector<std::string>{"beach.jpg"}) << path;
}

TEST_F(Listing, EmptyOrMissingFolderIsOneParentEntry) {
  AddFolderRow("\\Empty", "Empty", "");
  for (std::string path : {"\\Empty", "\\No such folder\\"}) {
    WIN32_FIND_DATAA data;
    std::memset(&data, 0xAB, sizeof data);
    ASSERT_EQ(findFirst(path.data(), &data), nullptr) << path;
    WIN32_FIND_DATAA expected;
    std::memset(&expected, 0, sizeof expected);
    expected.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    std::strcpy(expected.cFileName, "..");
    EXPECT_EQ(std::memcmp(&data, &expected, sizeof data), 0) << path;
    WIN32_FIND_DATAA untouched = data;
    EXPECT_EQ(findNext(nullptr, &data), FS_FALSE);
    EXPECT_EQ(std::memcmp(&data, &untouched, sizeof data), 0);
  }
}

// The record is compared byte for byte with what the host must read.
TEST_F(Listing, RecordHoldsTheRowByteForByte) {
  TScopedVariable zone("TZ", "UTC0");
  // 45000.5 is 15 March 2023 12:00; as a file time 133'233'552'000'000'000.
  AddFile("\\big.iso", "big.iso", "", ",CreationTime,LastWrite,upFileSize,lwFileSize",
          ",45000.5,45000.25,1,-2");
  WIN32_FIND_DATAA data;
  ASSERT_EQ(findFirst(const_cast<char*>("\\"), &data), nullptr);
  WIN32_FIND_DATAA expected;
  std::memset(&expected, 0, sizeof expected);
  expected.dwFileAttributes = 32;
  const uint64_t noon = 133'233'552'000'000'000ull, morning = noon - 216'000'000'000ull;
  expected.ftCreationTime = {static_cast<DWORD>(noon), static_cast<DWORD>(noon >> 32)};
  expected.ftLastAccessTime = {kNoDateLow, kNoDateHigh};
  expected.ftLastWriteTime = {static_cast<DWORD>(morning), static_cast<DWORD>(morning >> 32)};
  expected.nFileSizeHigh = 1;
  expected.nFileSizeLow = 0xFFFFFFFEu;  // stored as the signed -2
  std::strcpy(expected.cFileName, "big.iso");
  EXPECT_EQ(std::memcmp(&data, &expected, sizeof data), 0);
}

TEST_F(Listing, NullTimesAndSizesListAsNoDateAndZero) {
  AddFile("\\bare", "bare", "");
  WIN32_FIND_DATAA data;
  ASSERT_EQ(findFirst(const_cast<char*>("\\"), &data), nullptr);
  for (const FILETIME& t : {data.ftCreationTime, data.ftLastAccessTime, data.ftLastWriteTime}) {
    EXPECT_EQ(t.dwHighDateTime, kNoDateHigh);
    EXPECT_EQ(t.dwLowDateTime, kNoDateLow);
  }
  EXPECT_EQ(data.nFileSizeHigh, 0u);
  EXPECT_EQ(data.nFileSizeLow, 0u);
}

TEST_F(Listing, LongNamesAreCutTo250CharactersAtACharacterBoundary) {
  std::string latin(255, 'n');
  std::string cyrillic;
  for (int i = 0; i < 255; ++i) cyrillic += "ж";
  AddFile("\\latin", latin, "");
  AddFile("\\cyrillic", cyrillic, "");
  std::set<std::string> names;
  for (const std::string& n : Names("\\")) names.insert(n);
  EXPECT_TRUE(names.count(std::string(250, 'n')));
  // 250 two-byte letters do not fit the 260-byte field: it holds as many whole ones as fit.
  std::string fitting;
  for (int i = 0; i < 129; ++i) fitting += "ж";
  EXPECT_TRUE(names.count(fitting));
}

TEST_F(Listing, ANewListingReplacesAnUnfinishedOne) {
  AddFolderRow("\\A", "A", "");
  AddFile("\\A\\1", "1", "\\A");
  AddFile("\\A\\2", "2", "\\A");
  AddFolderRow("\\B", "B", "");
  AddFile("\\B\\x", "x", "\\B");
  WIN32_FIND_DATAA data;
  findFirst(const_cast<char*>("\\A"), &data);
  EXPECT_EQ(Names("\\B"), std::vector<std::string>{"x"});
  EXPECT_EQ(findNext(nullptr, &data), FS_FALSE);
}

TEST_F(Listing, AnAbandonedListingEnds) {
  AddFile("\\1", "1", "");
  AddFile("\\2", "2", "");
  WIN32_FIND_DATAA data;
  findFirst(const_cast<char*>("\\"), &data);
  EXPECT_EQ(findClose(nullptr), 0);
  EXPECT_EQ(findNext(nullptr, &data), FS_FALSE);
}

TEST_F(Listing, UnloadDuringAListingClosesTheCatalog) {
  AddFile("\\1", "1", "");
  AddFile("\\2", "2", "");
  WIN32_FIND_DATAA data;
  findFirst(const_cast<char*>("\\"), &data);
  module->Unload();
  EXPECT_TRUE(std::filesystem::exists(module->CatalogFile()));
  Probe().Connection.Close();  // the probe was the other connection
  EXPECT_FALSE(std::filesystem::exists(module->CatalogFile() + "-wal"));
}

TEST_F(Listing, EveryListingAddsItsQueryToTheLog) {
  AddFolderRow("\\Trip", "Trip", "");
  Names("\\");
  Names("\\Trip\\");
  EXPECT_EQ(ReadFile(workDir / "plg.log"),
            "Select * from fs where iif(parid is null,\"\",parid)=\"\"\r\n"
            "Select * from fs where iif(parid is null,\"\",parid)=\"\\Trip\"\r\n");
}

TEST_F(Listing, ALogThatCannotBeWrittenDoesNotStopTheListing) {
  std::filesystem::create_directory(workDir / "plg.log");
  AddFolderRow("\\Trip", "Trip", "");
  EXPECT_EQ(Names("\\"), std::vector<std::string>{"Trip"});
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Listing, ANameWithADoubleQuoteIsListedAsItIs) {
  AddFolderRow("\\say \"\"hi\"\"", "say \"\"hi\"\"", "");
  AddFile("\\say \"\"hi\"\"\\x", "x", "\\say \"\"hi\"\"");
  EXPECT_EQ(Names("\\"), std::vector<std::string>{"say \"hi\""});
  EXPECT_EQ(Names("\\say \"hi\""), std::vector<std::string>{"x"});
}

TEST_F(Listing, ARowWithoutAttributesFailsWithAMessage) {
  Probe().Execute("insert into fs(ID,[Name],parid) values(\"\\odd\",\"odd\",\"\")");
  WIN32_FIND_DATAA data;
  EXPECT_EQ(findFirst(const_cast<char*>("\\"), &data), INVALID_HANDLE_VALUE);
  auto messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("FileAttr"), std::string::npos) << messages[0];
}

}  // namespace
}  // namespace testing_support
