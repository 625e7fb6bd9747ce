// The POSIX file system: deleting, renaming and reading files, directories, the
// temporary directory; the one instance.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <system_error>

#include "platform/os/PosixDescriptor.h"
#include "platform/os/PosixFileSystem.h"

namespace bindershelf::os {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

TPosixFileSystem& PosixFileSystem() {
  static TPosixFileSystem* const fs = new TPosixFileSystem;  // never destroyed: usable at unload
  return *fs;
}

uint64_t FileTimeFromUnix(int64_t seconds, int64_t nanoseconds) {
  constexpr int64_t SecondsFrom1601To1970 = 11644473600;
  constexpr int64_t TicksPerSecond = 10'000'000;
  constexpr int64_t MaxSeconds = std::numeric_limits<int64_t>::max() / TicksPerSecond - SecondsFrom1601To1970 - 1;
  if (seconds < -SecondsFrom1601To1970) return 0;
  if (seconds > MaxSeconds) seconds = MaxSeconds;
  return static_cast<uint64_t>((seconds + SecondsFrom1601To1970) * TicksPerSecond + nanoseconds / 100);
}

bool TPosixFileSystem::DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

void TPosixFileSystem::RenameFile(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) == 0) return;
  const int err = errno;
  // A missing source is told by its own path; otherwise the target's directory is at fault.
  const std::string& culprit = (err == ENOENT && Exists(from)) ? to : from;
  throw EOSError(WindowsErrorFromErrno(err, culprit), err, from,
                 "Cannot rename \"" + from + "\" to \"" + to + "\": " + SystemErrorText(err));
}

void TPosixFileSystem::CreateDirectories(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) RaiseOSError("Cannot create directory", path, ec.value());
}

std::string TPosixFileSystem::ReadFile(const std::string& path) {
  TDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.IsOpen()) RaiseOSError("Cannot open", path, errno);
  std::string content;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n == 0) return content;
    if (n < 0) {
      if (errno == EINTR) continue;
      RaiseOSError("Cannot read", path, errno);
    }
    content.append(buffer, static_cast<size_t>(n));
  }
}

std::string TPosixFileSystem::TemporaryDirectory() {
  const char* dir = std::getenv("TMPDIR");
  std::string result = (dir && *dir) ? dir : "/tmp";
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

}  // namespace bindershelf::os
