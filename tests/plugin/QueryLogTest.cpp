#include "plugin/QueryLog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/ScopedVariable.h"
#include "support/TempDir.h"

namespace bindershelf {
namespace {

using testing_support::ReadFile;
using testing_support::TTempDir;

// The log lives in the temporary directory; each test points it at its own.
class QueryLog : public ::testing::Test {
 protected:
  TTempDir dir;
  testing_support::TScopedVariable tmpDir{"TMPDIR", dir.Path().string()};
};

TEST_F(QueryLog, IsCreatedAnewForTheOwnerAloneAndAppendedTo) {
  EXPECT_EQ(QueryLogFileName(), dir / "plg.log");
  LogQuery("Select * from fs where iif(parid is null,\"\",parid)=\"\"");
  struct stat st {};
  ASSERT_EQ(stat(QueryLogFileName().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  LogQuery("Select * from fs where iif(parid is null,\"\",parid)=\"\\Папка\"");
  EXPECT_EQ(ReadFile(QueryLogFileName()),
            "Select * from fs where iif(parid is null,\"\",parid)=\"\"\r\n"
            "Select * from fs where iif(parid is null,\"\",parid)=\"\\Папка\"\r\n");
  std::filesystem::remove(QueryLogFileName());
  LogQuery("again");
  EXPECT_EQ(ReadFile(QueryLogFileName()), "again\r\n");
}

TEST_F(QueryLog, AFailureIsRaisedNamingTheLog) {
  std::filesystem::create_directory(QueryLogFileName());
  try {
    LogQuery("x");
    FAIL() << "a log that is a directory was written";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("plg.log"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace bindershelf
