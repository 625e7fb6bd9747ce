#include <chrono>
#include <cstdlib>

#include "platform/os/FileSystem.h"
#include "tests/platform/OsFixture.h"

namespace bindershelf::os::testing {
namespace {

class OsClockTest : public ::testing::Test {
 protected:
  OsClockTest() {
    if (const char* tz = std::getenv("TZ")) SavedTz = tz;
  }
  ~OsClockTest() override {
    if (SavedTz)
      setenv("TZ", SavedTz->c_str(), 1);
    else
      unsetenv("TZ");
  }
  std::optional<std::string> SavedTz;
};

// POSIX zone texts without daylight saving rules, so the answer does not depend on today.
TEST_F(OsClockTest, OffsetFollowsEveryChangeOfTz) {
  const struct {
    const char* Tz;
    int64_t Offset;
  } cases[] = {
      {"UTC0", 0}, {"EST5", -5 * 3600}, {"MSK-3", 3 * 3600}, {"IST-5:30", 5 * 3600 + 1800}, {"UTC0", 0},
  };
  for (const auto& c : cases) {
    setenv("TZ", c.Tz, 1);
    EXPECT_EQ(FileSystem().LocalTimeOffsetSeconds(), c.Offset) << c.Tz;
  }
}

TEST_F(OsClockTest, CurrentFileTimeCountsFrom1601) {
  using namespace std::chrono;
  constexpr int64_t UnixEpochAsFileTime = 116444736000000000;
  const auto ticks = [] {
    return UnixEpochAsFileTime + duration_cast<duration<int64_t, std::ratio<1, 10'000'000>>>(
                                     system_clock::now().time_since_epoch()).count();
  };
  const int64_t before = ticks();
  const auto now = static_cast<int64_t>(FileSystem().CurrentFileTime());
  const int64_t after = ticks();
  EXPECT_GE(now, before);
  EXPECT_LE(now, after);
}

int SymbolInThisProgram = 0;

TEST(OsModuleTest, NamesTheObjectThatHoldsTheAddress) {
  const auto name = FileSystem().ModuleFileName(&SymbolInThisProgram);
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(name.front(), '/');
  EXPECT_TRUE(fs::equivalent(name, "/proc/self/exe")) << name;
}

TEST(OsModuleTest, UnknownAddressGivesEmptyName) {
  const auto heap = std::make_unique<int>(0);
  EXPECT_EQ(FileSystem().ModuleFileName(heap.get()), "");
  EXPECT_EQ(FileSystem().ModuleFileName(nullptr), "");
}

}  // namespace
}  // namespace bindershelf::os::testing
