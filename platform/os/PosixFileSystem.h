// The file system of the machine, through POSIX. Only code in platform/os sees this.
#pragma once

#include "platform/os/FileSystem.h"

namespace bindershelf::os {

class TPosixFileSystem final : public TFileSystem {
 public:
  std::optional<TFindEntry> FindFirst(const std::string& path, TFindFilter filter) override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::optional<uint32_t> PermissionBits(const std::string& path) override;
  uint32_t CopyFile(const std::string& source, const std::string& target, bool failIfExists) override;
  bool DeleteFile(const std::string& path) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  void CreateDirectories(const std::string& path) override;
  std::string ReadFile(const std::string& path) override;
  std::unique_ptr<TWritableFile> OpenWritableFile(const std::string& path, TWriteMode mode) override;
  std::unique_ptr<TWritableFile> CreateUniqueFile(const std::string& directory,
                                                  std::string_view stem) override;
  std::string TemporaryDirectory() override;
  int64_t LocalTimeOffsetSeconds() override;
  uint64_t CurrentFileTime() override;
  std::string ModuleFileName(const void* addressInsideModule) override;
  bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override;
  int RunAndWait(const std::string& commandLine) override;
};

// The one instance, alive for the whole process.
TPosixFileSystem& PosixFileSystem();

// A POSIX time (seconds and nanoseconds since 1970) as 100-ns intervals since 1601;
// 0 for times before 1601.
uint64_t FileTimeFromUnix(int64_t seconds, int64_t nanoseconds);

}  // namespace bindershelf::os
