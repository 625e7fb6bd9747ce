#include "platform/os/FaultInjectingFileSystem.h"

namespace bindershelf::os {

class TFaultInjectingFileSystem::TFile final : public TWritableFile {
 public:
  TFile(TFaultInjectingFileSystem& owner, std::unique_ptr<TWritableFile> target)
      : Owner(owner), Target(std::move(target)) {}

  const std::string& Path() const override { return Target->Path(); }
  void Append(std::string_view data) override {
    RaiseIfArmed(TFileOperation::Write, "Cannot write");
    Target->Append(data);
  }
  void Sync() override {
    RaiseIfArmed(TFileOperation::Sync, "Cannot flush");
    Target->Sync();
  }
  void SetPermissions(uint32_t mode) override {
    RaiseIfArmed(TFileOperation::SetPermissions, "Cannot set the permissions of");
    Target->SetPermissions(mode);
  }
  void Close() override {
    RaiseIfArmed(TFileOperation::Close, "Cannot close");
    Target->Close();
  }

 private:
  void RaiseIfArmed(TFileOperation operation, std::string_view action) {
    if (const int err = Owner.TakeFault(operation)) RaiseOSError(action, Path(), err);
  }

  TFaultInjectingFileSystem& Owner;
  std::unique_ptr<TWritableFile> Target;
};

namespace {

size_t IndexOf(TFileOperation operation) { return static_cast<size_t>(operation); }

}  // namespace

void TFaultInjectingFileSystem::FailNext(TFileOperation operation, int errnum, int count) {
  std::lock_guard guard(Lock);
  auto& fault = Faults[IndexOf(operation)];
  fault.Errnum = errnum;
  fault.Remaining = count;
}

void TFaultInjectingFileSystem::ClearFaults() {
  std::lock_guard guard(Lock);
  for (auto& fault : Faults) fault.Remaining = 0;
}

int TFaultInjectingFileSystem::Calls(TFileOperation operation) const {
  std::lock_guard guard(Lock);
  return Faults[IndexOf(operation)].Calls;
}

int TFaultInjectingFileSystem::TakeFault(TFileOperation operation) {
  std::lock_guard guard(Lock);
  auto& fault = Faults[IndexOf(operation)];
  ++fault.Calls;
  if (fault.Remaining == 0) return 0;
  --fault.Remaining;
  return fault.Errnum;
}

void TFaultInjectingFileSystem::RaiseIfArmed(TFileOperation operation, std::string_view action,
                                             const std::string& path) {
  if (const int err = TakeFault(operation)) RaiseOSError(action, path, err);
}

std::unique_ptr<TWritableFile> TFaultInjectingFileSystem::Wrap(std::unique_ptr<TWritableFile> file) {
  return std::make_unique<TFile>(*this, std::move(file));
}

std::optional<TFindEntry> TFaultInjectingFileSystem::FindFirst(const std::string& path, TFindFilter filter) {
  if (TakeFault(TFileOperation::FindFirst)) return std::nullopt;
  return Target.FindFirst(path, filter);
}

bool TFaultInjectingFileSystem::FileExists(const std::string& path) {
  return !TakeFault(TFileOperation::FileExists) && Target.FileExists(path);
}

bool TFaultInjectingFileSystem::DirectoryExists(const std::string& path) {
  return !TakeFault(TFileOperation::DirectoryExists) && Target.DirectoryExists(path);
}

std::optional<uint32_t> TFaultInjectingFileSystem::PermissionBits(const std::string& path) {
  if (TakeFault(TFileOperation::PermissionBits)) return std::nullopt;
  return Target.PermissionBits(path);
}

uint32_t TFaultInjectingFileSystem::CopyFile(const std::string& source, const std::string& target,
                                             bool failIfExists) {
  if (const int err = TakeFault(TFileOperation::CopyFile)) return WindowsErrorFromErrno(err, target);
  return Target.CopyFile(source, target, failIfExists);
}

bool TFaultInjectingFileSystem::DeleteFile(const std::string& path) {
  return !TakeFault(TFileOperation::DeleteFile) && Target.DeleteFile(path);
}

void TFaultInjectingFileSystem::RenameFile(const std::string& from, const std::string& to) {
  RaiseIfArmed(TFileOperation::RenameFile, "Cannot rename", from);
  Target.RenameFile(from, to);
}

void TFaultInjectingFileSystem::CreateDirectories(const std::string& path) {
  RaiseIfArmed(TFileOperation::CreateDirectories, "Cannot create directory", path);
  Target.CreateDirectories(path);
}

std::string TFaultInjectingFileSystem::ReadFile(const std::string& path) {
  RaiseIfArmed(TFileOperation::ReadFile, "Cannot read", path);
  return Target.ReadFile(path);
}

std::unique_ptr<TWritableFile> TFaultInjectingFileSystem::OpenWritableFile(const std::string& path,
                                                                           TWriteMode mode) {
  RaiseIfArmed(TFileOperation::OpenWritableFile, "Cannot open", path);
  return Wrap(Target.OpenWritableFile(path, mode));
}

std::unique_ptr<TWritableFile> TFaultInjectingFileSystem::CreateUniqueFile(const std::string& directory,
                                                                           std::string_view stem) {
  RaiseIfArmed(TFileOperation::CreateUniqueFile, "Cannot create a file in", directory);
  return Wrap(Target.CreateUniqueFile(directory, stem));
}

}  // namespace bindershelf::os
