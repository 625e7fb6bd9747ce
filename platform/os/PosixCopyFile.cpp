// The file copy: content, permission bits and last-write time, reported as a Windows code.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/os/PosixDescriptor.h"
#include "platform/os/PosixFileSystem.h"

namespace bindershelf::os {
namespace {

// Returns 0 or the errno of the failure.
int CopyByReading(int in, int out) {
  char buffer[256 * 1024];
  for (;;) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n == 0) return 0;
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
      if (w < 0 && errno != EINTR) return errno;
      if (w > 0) done += w;
    }
  }
}

// Lets the kernel copy (and share blocks where the file system can); falls back to
// reading and writing where it cannot copy between these two files at all.
int CopyContent(int in, int out) {
  constexpr size_t Chunk = size_t{1} << 30;
  bool copiedAny = false;
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, Chunk, 0);
    if (n > 0) {
      copiedAny = true;
      continue;
    }
    if (n == 0) return copiedAny ? 0 : CopyByReading(in, out);  // some files report no size
    if (errno == EINTR) continue;
    const bool cannotCopyHere =
        errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP || errno == EPERM;
    return !copiedAny && cannotCopyHere ? CopyByReading(in, out) : errno;
  }
}

int CopyAttributes(int out, const struct stat& source) {
  if (::fchmod(out, source.st_mode & 0777) != 0) return errno;
  const struct timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
  return ::futimens(out, times) == 0 ? 0 : errno;
}

bool SameFile(const struct stat& source, const std::string& target) {
  struct stat st;
  return ::stat(target.c_str(), &st) == 0 && st.st_dev == source.st_dev && st.st_ino == source.st_ino;
}

}  // namespace

uint32_t TPosixFileSystem::CopyFile(const std::string& source, const std::string& target, bool failIfExists) {
  TDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (!in.IsOpen()) return WindowsErrorFromErrno(errno, source);
  struct stat st;
  if (::fstat(in.Get(), &st) != 0) return WindowsErrorFromErrno(errno, source);
  if (S_ISDIR(st.st_mode)) return winerr::AccessDenied;
  // Truncating the target would destroy the source.
  if (SameFile(st, target)) return failIfExists ? winerr::FileExists : winerr::SharingViolation;

  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (failIfExists ? O_EXCL : O_TRUNC);
  TDescriptor out(::open(target.c_str(), flags, st.st_mode & 0777));
  if (!out.IsOpen()) return WindowsErrorFromErrno(errno, target);

  int err = CopyContent(in.Get(), out.Get());
  if (err == 0) err = CopyAttributes(out.Get(), st);
  if (const int closeErr = out.Close(); err == 0) err = closeErr;
  if (err == 0) return winerr::Success;
  ::unlink(target.c_str());
  return WindowsErrorFromErrno(err, target);
}

}  // namespace bindershelf::os
