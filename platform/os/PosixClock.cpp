// The time-zone offset in force now and the current time.
#include <stdlib.h>
#include <time.h>

#include <mutex>
#include <string>

#include "platform/os/PosixFileSystem.h"

namespace bindershelf::os {

namespace {

// Reading the zone again costs a look at the zone file; a listing converts three times
// per entry. So the offset is kept for the rest of the second in which it was read,
// unless TZ itself changes.
struct TOffsetCache {
  std::mutex lock;
  bool valid = false;
  std::string zone;
  time_t second = 0;
  int64_t offset = 0;
};

std::string CurrentZone() {
  const char* tz = ::getenv("TZ");
  return tz ? std::string("=") + tz : std::string();  // "" for unset, "=" for set but empty
}

int64_t ReadOffset(time_t now) {
  ::tzset();  // localtime_r need not read TZ again by itself
  struct tm local;
  if (!::localtime_r(&now, &local)) return 0;
  return local.tm_gmtoff;
}

}  // namespace

int64_t TPosixFileSystem::LocalTimeOffsetSeconds() {
  static TOffsetCache cache;
  const time_t now = ::time(nullptr);
  std::string zone = CurrentZone();
  std::lock_guard guard(cache.lock);
  if (!cache.valid || cache.second != now || cache.zone != zone) {
    cache.offset = ReadOffset(now);
    cache.zone = std::move(zone);
    cache.second = now;
    cache.valid = true;
  }
  return cache.offset;
}

uint64_t TPosixFileSystem::CurrentFileTime() {
  struct timespec now;
  ::clock_gettime(CLOCK_REALTIME, &now);
  return FileTimeFromUnix(now.tv_sec, now.tv_nsec);
}

}  // namespace bindershelf::os
