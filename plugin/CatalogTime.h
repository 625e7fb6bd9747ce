// Conversions between file times (100-ns intervals since 1 January 1601, UTC) and the
// catalog's date-time values (days since 30 December 1899 as a double, local time; the
// fraction is the time of day, subtracted for dates before 1899-12-30).
#pragma once

#include <cstdint>

#include "plugin/fsplugin.h"

namespace bindershelf {

// A file time of 0 gives 0. Local time is taken with the time-zone offset in force now,
// whatever the date. Never fails: a file time the calendar cannot hold gives the current
// local date and time. Sub-millisecond parts are dropped.
double FileTimeToCatalogTime(FILETIME fileTime);

// The inverse, again with the offset in force now, rounded to the millisecond. A catalog
// time that is no number, or that falls before 1601, gives the file time 0.
FILETIME CatalogTimeToFileTime(double catalogTime);

// The same conversions for a given offset of local time from UTC, in seconds.
double FileTimeToCatalogTimeAt(uint64_t fileTime, int64_t localOffsetSeconds, uint64_t now);
uint64_t CatalogTimeToFileTimeAt(double catalogTime, int64_t localOffsetSeconds);

inline uint64_t FileTimeTicks(FILETIME t) {
  return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
}
inline FILETIME MakeFileTime(uint64_t ticks) {
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace bindershelf
