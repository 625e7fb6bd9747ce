// Files opened for writing: truncated, appended to, or made new under a unique name.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <random>

#include "platform/os/PosixDescriptor.h"
#include "platform/os/PosixFileSystem.h"

namespace bindershelf::os {
namespace {

class TPosixWritableFile final : public TWritableFile {
 public:
  TPosixWritableFile(std::string path, TDescriptor fd) : FilePath(std::move(path)), Fd(std::move(fd)) {}

  const std::string& Path() const override { return FilePath; }

  void Append(std::string_view data) override {
    while (!data.empty()) {
      const ssize_t n = ::write(Fd.Get(), data.data(), data.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        RaiseOSError("Cannot write", FilePath, errno);
      }
      data.remove_prefix(static_cast<size_t>(n));
    }
  }

  void Sync() override {
    if (::fsync(Fd.Get()) != 0) RaiseOSError("Cannot flush", FilePath, errno);
  }

  void SetPermissions(uint32_t mode) override {
    if (::fchmod(Fd.Get(), mode & 07777) != 0) RaiseOSError("Cannot set the permissions of", FilePath, errno);
  }

  void Close() override {
    if (const int err = Fd.Close()) RaiseOSError("Cannot close", FilePath, err);
  }

 private:
  std::string FilePath;
  TDescriptor Fd;
};

std::unique_ptr<TWritableFile> Open(const std::string& path, int flags, mode_t mode) {
  TDescriptor fd(::open(path.c_str(), flags | O_WRONLY | O_CLOEXEC, mode));
  if (!fd.IsOpen()) RaiseOSError("Cannot open", path, errno);
  return std::make_unique<TPosixWritableFile>(path, std::move(fd));
}

std::string RandomSuffix() {
  thread_local std::mt19937_64 generator{std::random_device{}()};
  static constexpr char Digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix(8, '0');
  for (auto& c : suffix) c = Digits[generator() % (sizeof Digits - 1)];
  return suffix;
}

}  // namespace

std::unique_ptr<TWritableFile> TPosixFileSystem::OpenWritableFile(const std::string& path, TWriteMode mode) {
  if (mode == TWriteMode::AppendPrivate) return Open(path, O_APPEND | O_CREAT | O_NOFOLLOW, 0600);
  return Open(path, O_CREAT | O_TRUNC, 0644);
}

std::unique_ptr<TWritableFile> TPosixFileSystem::CreateUniqueFile(const std::string& directory,
                                                                  std::string_view stem) {
  // O_EXCL refuses any existing name, a symbolic link included, so a planted link
  // cannot redirect the write.
  constexpr int Attempts = 100;
  constexpr size_t StemLength = 64;  // leaves room in a 255-byte name for what we add
  stem = stem.substr(0, StemLength);
  for (int attempt = 1;; ++attempt) {
    const std::string path = directory + "/." + std::string(stem) + "." + RandomSuffix() + ".tmp";
    TDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (fd.IsOpen()) return std::make_unique<TPosixWritableFile>(path, std::move(fd));
    if (errno != EEXIST || attempt == Attempts) RaiseOSError("Cannot create", path, errno);
  }
}

}  // namespace bindershelf::os
