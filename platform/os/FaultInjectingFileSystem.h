// A file system that passes every call to another one, except the calls a test has armed
// to fail: "the next rename fails with ENOSPC", "the next two writes fail with EIO".
// An armed call does not reach the wrapped file system; it fails the way the operation
// reports failures (EOSError, an error code, false or an empty result).
#pragma once

#include <array>
#include <mutex>

#include "platform/os/FileSystem.h"

namespace bindershelf::os {

enum class TFileOperation {
  FindFirst,
  FileExists,
  DirectoryExists,
  PermissionBits,
  CopyFile,
  DeleteFile,
  RenameFile,
  CreateDirectories,
  ReadFile,
  OpenWritableFile,
  CreateUniqueFile,
  Write,           // TWritableFile::Append
  Sync,            // TWritableFile::Sync
  SetPermissions,  // TWritableFile::SetPermissions
  Close,           // TWritableFile::Close
};
inline constexpr size_t FileOperationCount = static_cast<size_t>(TFileOperation::Close) + 1;

class TFaultInjectingFileSystem final : public TFileSystem {
 public:
  // `target` must outlive this object, and this object every file it opened.
  explicit TFaultInjectingFileSystem(TFileSystem& target) : Target(target) {}

  // The next `count` calls of `operation` fail with `errnum`.
  void FailNext(TFileOperation operation, int errnum, int count = 1);
  void ClearFaults();
  // How many calls of `operation` were made, failed ones included.
  int Calls(TFileOperation operation) const;

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
  std::string TemporaryDirectory() override { return Target.TemporaryDirectory(); }
  int64_t LocalTimeOffsetSeconds() override { return Target.LocalTimeOffsetSeconds(); }
  uint64_t CurrentFileTime() override { return Target.CurrentFileTime(); }
  std::string ModuleFileName(const void* address) override { return Target.ModuleFileName(address); }
  // Processes pass through: a test makes them fail for real, with PATH.
  bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override {
    return Target.StartDetached(program, arguments);
  }
  int RunAndWait(const std::string& commandLine) override { return Target.RunAndWait(commandLine); }

 private:
  class TFile;  // wraps the files it opens, so their calls can fail too

  struct TFault {
    int Errnum = 0;
    int Remaining = 0;
    int Calls = 0;
  };

  // Counts the call; returns the errno to fail it with, or 0 to let it through.
  int TakeFault(TFileOperation operation);
  std::unique_ptr<TWritableFile> Wrap(std::unique_ptr<TWritableFile> file);
  // Raises EOSError on `path` when the call is armed to fail.
  void RaiseIfArmed(TFileOperation operation, std::string_view action, const std::string& path);

  TFileSystem& Target;
  mutable std::mutex Lock;
  std::array<TFault, FileOperationCount> Faults{};
};

}  // namespace bindershelf::os
