// Find-first and the existence tests: one status call on the exact path.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/os/PosixFileSystem.h"

namespace bindershelf::os {
namespace {

struct TStatus {
  uint32_t Mode = 0;
  uint64_t Size = 0;
  uint64_t Birth = 0;  // 0 when the file system keeps no birth time
  uint64_t Access = 0;
  uint64_t Write = 0;
};

std::optional<TStatus> StatusFromStat(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return TStatus{st.st_mode, static_cast<uint64_t>(st.st_size), 0,
                 FileTimeFromUnix(st.st_atim.tv_sec, st.st_atim.tv_nsec),
                 FileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec)};
}

uint64_t FileTimeOf(const struct statx_timestamp& t) { return FileTimeFromUnix(t.tv_sec, t.tv_nsec); }

std::optional<TStatus> Status(const std::string& path) {
  struct statx sx;
  if (::statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) {
    // Kernels without statx, and sandboxes that forbid it, still answer stat.
    if (errno == ENOSYS || errno == EPERM) return StatusFromStat(path);
    return std::nullopt;
  }
  return TStatus{sx.stx_mode, sx.stx_size, (sx.stx_mask & STATX_BTIME) ? FileTimeOf(sx.stx_btime) : 0,
                 FileTimeOf(sx.stx_atime), FileTimeOf(sx.stx_mtime)};
}

uint32_t AttributesOf(const TStatus& status, const std::string& name) {
  uint32_t attributes = S_ISDIR(status.Mode) ? attr::Directory : attr::Normal;
  if (!(status.Mode & S_IWUSR)) attributes |= attr::ReadOnly;
  if (name.front() == '.') attributes |= attr::Hidden;
  return attributes;
}

}  // namespace

std::optional<TFindEntry> TPosixFileSystem::FindFirst(const std::string& path, TFindFilter filter) {
  const std::string name = path.substr(path.rfind('/') + 1);
  if (name.empty()) return std::nullopt;
  const auto status = Status(path);
  if (!status) return std::nullopt;

  TFindEntry entry;
  entry.Name = name;
  entry.Attributes = AttributesOf(*status, name);
  if (filter == TFindFilter::SkipHidden && (entry.Attributes & attr::Hidden)) return std::nullopt;
  entry.CreationTime = status->Birth ? status->Birth : status->Write;
  entry.LastAccessTime = status->Access;
  entry.LastWriteTime = status->Write;
  entry.Size = S_ISDIR(status->Mode) ? 0 : status->Size;
  return entry;
}

bool TPosixFileSystem::FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool TPosixFileSystem::DirectoryExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<uint32_t> TPosixFileSystem::PermissionBits(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return st.st_mode & 07777;
}

}  // namespace bindershelf::os
