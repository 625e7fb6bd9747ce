#include "plugin/CatalogTime.h"

#include <cmath>

#include "platform/os/FileSystem.h"

namespace bindershelf {

namespace {

constexpr int64_t kTicksPerSecond = 10'000'000;
constexpr int64_t kTicksPerMs = 10'000;
constexpr int64_t kMsPerDay = 86'400'000;
// Days from 1601-01-01 to 1899-12-30, the day 0 of catalog times.
constexpr int64_t kCatalogEpochDays = 109'205;
constexpr int64_t kCatalogEpochMs = kCatalogEpochDays * kMsPerDay;
// The calendar of file times ends with year 30827; later values do not convert.
constexpr uint64_t kLastConvertibleFileTime = 0x7FFF'FFFF'FFFF'FFFFull;

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Milliseconds since the catalog epoch, local time, as a catalog date.
double MsToCatalogTime(int64_t ms) {
  int64_t day = FloorDiv(ms, kMsPerDay);
  double timeOfDay = static_cast<double>(ms - day * kMsPerDay) / kMsPerDay;
  return day >= 0 ? static_cast<double>(day) + timeOfDay : static_cast<double>(day) - timeOfDay;
}

bool LocalTicks(uint64_t fileTime, int64_t offsetSeconds, int64_t& local) {
  if (fileTime > kLastConvertibleFileTime) return false;
  local = static_cast<int64_t>(fileTime) + offsetSeconds * kTicksPerSecond;
  return local >= 0 && static_cast<uint64_t>(local) <= kLastConvertibleFileTime;
}

}  // namespace

double FileTimeToCatalogTimeAt(uint64_t fileTime, int64_t localOffsetSeconds, uint64_t now) {
  if (fileTime == 0) return 0;
  int64_t local = 0;
  if (!LocalTicks(fileTime, localOffsetSeconds, local) &&
      !LocalTicks(now, localOffsetSeconds, local))
    return 0;
  return MsToCatalogTime(local / kTicksPerMs - kCatalogEpochMs);
}

uint64_t CatalogTimeToFileTimeAt(double catalogTime, int64_t localOffsetSeconds) {
  // Beyond about ±10^8 days no calendar date exists; such values would also overflow.
  if (!std::isfinite(catalogTime) || std::fabs(catalogTime) > 1e8) return 0;
  double wholeDays = std::trunc(catalogTime);
  auto day = static_cast<int64_t>(wholeDays);
  auto msOfDay = static_cast<int64_t>(std::llround(std::fabs(catalogTime - wholeDays) * kMsPerDay));
  int64_t localMs = kCatalogEpochMs + day * kMsPerDay + msOfDay;  // a rounded-up day carries over
  int64_t utcTicks = localMs * kTicksPerMs - localOffsetSeconds * kTicksPerSecond;
  if (utcTicks < 0) return 0;
  return static_cast<uint64_t>(utcTicks);
}

double FileTimeToCatalogTime(FILETIME fileTime) {
  auto& system = os::FileSystem();
  return FileTimeToCatalogTimeAt(FileTimeTicks(fileTime), system.LocalTimeOffsetSeconds(),
                                 system.CurrentFileTime());
}

FILETIME CatalogTimeToFileTime(double catalogTime) {
  return MakeFileTime(CatalogTimeToFileTimeAt(catalogTime, os::FileSystem().LocalTimeOffsetSeconds()));
}

}  // namespace bindershelf
