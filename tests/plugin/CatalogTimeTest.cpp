#include "plugin/CatalogTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/ScopedVariable.h"

namespace bindershelf {
namespace {

constexpr uint64_t kTicksPerMs = 10'000;
constexpr uint64_t kTicksPerHour = 36'000'000'000ull;
constexpr uint64_t kTicksPerDay = 24 * kTicksPerHour;
// 1899-12-30 00:00 UTC as a file time.
constexpr uint64_t kCatalogEpoch = 109'205 * kTicksPerDay;
constexpr uint64_t kNow = kCatalogEpoch + 45'000 * kTicksPerDay;

TEST(CatalogTime, KnownDatesAtOffsetZero) {
  struct TCase {
    const char* what;
    uint64_t fileTime;
    double catalogTime;
  };
  const TCase cases[] = {
      {"catalog day 0 at 06:00", kCatalogEpoch + 6 * kTicksPerHour, 0.25},
      {"2 January 1900 at 18:00", kCatalogEpoch + 3 * kTicksPerDay + 18 * kTicksPerHour, 3.75},
      {"29 December 1899 at 06:00 counts the time back", kCatalogEpoch - kTicksPerDay + 6 * kTicksPerHour,
       -1.25},
      {"28 December 1899 at 18:00", kCatalogEpoch - 2 * kTicksPerDay + 18 * kTicksPerHour, -2.75},
      {"1 January 1601, the first file time", 1, -109'205.0},
  };
  for (const TCase& c : cases) {
    EXPECT_DOUBLE_EQ(FileTimeToCatalogTimeAt(c.fileTime, 0, kNow), c.catalogTime) << c.what;
    if (c.fileTime % kTicksPerMs == 0) {
      EXPECT_EQ(CatalogTimeToFileTimeAt(c.catalogTime, 0), c.fileTime) << c.what;
    }
  }
}

TEST(CatalogTime, RoundTripKeepsTheMillisecondAndDropsTheRest) {
  const int64_t offsets[] = {0, 3 * 3600, -5 * 3600 - 1800};
  const uint64_t times[] = {
      kCatalogEpoch + 45'000 * kTicksPerDay + 12'345'678'9ull,  // 2023, with sub-millisecond ticks
      kCatalogEpoch - 700 * kTicksPerDay + 999 * kTicksPerMs + 5,  // 1898, a negative date
      kCatalogEpoch + kTicksPerDay - kTicksPerMs,                  // the last millisecond of a day
      1ull << 62,                                                  // far in the future
  };
  for (int64_t offset : offsets)
    for (uint64_t t : times) {
      double catalog = FileTimeToCatalogTimeAt(t, offset, kNow);
      EXPECT_EQ(CatalogTimeToFileTimeAt(catalog, offset), t - t % kTicksPerMs)
          << "file time " << t << " at offset " << offset;
    }
}

TEST(CatalogTime, ZeroMeansNoTimeAndTheUnconvertibleGivesNow) {
  EXPECT_EQ(FileTimeToCatalogTimeAt(0, 3600, kNow), 0.0);
  EXPECT_DOUBLE_EQ(FileTimeToCatalogTimeAt(0x8000'0000'0000'0000ull, 0, kNow), 45'000.0);
  // A catalog time of 0 lists as 1899-12-30 00:00 local time, not as a missing time.
  EXPECT_EQ(CatalogTimeToFileTimeAt(0.0, 3600), kCatalogEpoch - kTicksPerHour);
}

TEST(CatalogTime, BeforeTheFirstFileTimeOrNoNumberGivesZero) {
  EXPECT_EQ(CatalogTimeToFileTimeAt(-110'000.0, 0), 0u);
  EXPECT_EQ(CatalogTimeToFileTimeAt(std::nan(""), 0), 0u);
  EXPECT_EQ(CatalogTimeToFileTimeAt(INFINITY, 0), 0u);
  EXPECT_EQ(CatalogTimeToFileTimeAt(1e300, 0), 0u);
}

// The conversions take the offset in force at the moment they run, so a change of the
// time zone between them shifts the time by the difference.
class CatalogTimeZone : public ::testing::Test {
 protected:
  void UseZone(const char* tz) { zone.Set(tz); }
  testing_support::TScopedVariable zone{"TZ"};
};

TEST_F(CatalogTimeZone, ChangeOfOffsetBetweenConversionsShiftsTheTime) {
  const FILETIME written = MakeFileTime(kCatalogEpoch + 45'000 * kTicksPerDay + 7 * kTicksPerMs);
  UseZone("UTC0");
  double stored = FileTimeToCatalogTime(written);
  EXPECT_EQ(FileTimeTicks(CatalogTimeToFileTime(stored)), FileTimeTicks(written));
  UseZone("XYZ-2");  // two hours east of UTC
  EXPECT_EQ(FileTimeTicks(CatalogTimeToFileTime(stored)), FileTimeTicks(written) - 2 * kTicksPerHour);
}

TEST_F(CatalogTimeZone, LocalTimeIsStored) {
  UseZone("XYZ-3");
  const FILETIME midnightUtc = MakeFileTime(kCatalogEpoch + 45'000 * kTicksPerDay);
  EXPECT_DOUBLE_EQ(FileTimeToCatalogTime(midnightUtc), 45'000.125);
}

}  // namespace
}  // namespace bindershelf
