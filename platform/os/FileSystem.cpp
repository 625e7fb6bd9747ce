// The operations built on the primitives, and the choice of the file system in use.
#include "platform/os/FileSystem.h"

#include <atomic>

#include "platform/os/PosixFileSystem.h"
#include "platform/os/TextLines.h"

namespace bindershelf::os {
namespace {

std::atomic<TFileSystem*> Replacement{nullptr};

// The directory part of a local path, for a file to be made beside it.
std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The person reading the message knows the file being replaced, not our temporary one.
[[noreturn]] void RaiseReplaceError(const std::string& path, const EOSError& cause) {
  throw EOSError(cause.WindowsCode(), cause.Errno(), path,
                 "Cannot replace \"" + path + "\": " + SystemErrorText(cause.Errno()));
}

}  // namespace

TFileSystem& FileSystem() {
  TFileSystem* fs = Replacement.load(std::memory_order_acquire);
  return fs ? *fs : PosixFileSystem();
}

TFileSystem* SetFileSystemForTests(TFileSystem* fs) {
  TFileSystem* previous = Replacement.exchange(fs, std::memory_order_acq_rel);
  return previous ? previous : &PosixFileSystem();
}

std::vector<std::string> TFileSystem::ReadTextLines(const std::string& path) {
  return SplitTextLines(ReadFile(path));
}

void TFileSystem::WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  auto file = OpenWritableFile(path, TWriteMode::CreateOrTruncate);
  file->Append(JoinTextLines(lines));
  file->Close();
}

void TFileSystem::ReplaceFileSafely(const std::string& path, std::string_view content) {
  const auto oldMode = PermissionBits(path);
  std::unique_ptr<TWritableFile> file;
  try {
    file = CreateUniqueFile(DirectoryOf(path), NameOf(path));
  } catch (const EOSError& e) {
    RaiseReplaceError(path, e);
  }
  const std::string temporary = file->Path();
  const auto discard = [&] {
    file.reset();
    DeleteFile(temporary);
  };
  try {
    if (oldMode) file->SetPermissions(*oldMode);
    file->Append(content);
    file->Sync();
    file->Close();
    RenameFile(temporary, path);
  } catch (const EOSError& e) {
    discard();
    RaiseReplaceError(path, e);
  } catch (...) {
    discard();
    throw;
  }
}

void TFileSystem::AppendLine(const std::string& path, std::string_view text) {
  std::string line(text);
  line += "\r\n";
  auto file = OpenWritableFile(path, TWriteMode::AppendPrivate);
  file->Append(line);  // one write, so lines of two writers never interleave
  file->Close();
}

}  // namespace bindershelf::os
