// The time-zone offset in force now and the current time.
#include <time.h>

#include "platform/os/PosixFileSystem.h"

namespace bindershelf::os {

int64_t TPosixFileSystem::LocalTimeOffsetSeconds() {
  ::tzset();  // localtime_r need not read TZ again by itself
  const time_t now = ::time(nullptr);
  struct tm local;
  if (!::localtime_r(&now, &local)) return 0;
  return local.tm_gmtoff;
}

uint64_t TPosixFileSystem::CurrentFileTime() {
  struct timespec now;
  ::clock_gettime(CLOCK_REALTIME, &now);
  return FileTimeFromUnix(now.tv_sec, now.tv_nsec);
}

}  // namespace bindershelf::os
