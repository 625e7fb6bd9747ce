// Every file, time, module and process service of the operating system that the rest of the
// module uses, behind one interface. Local paths use "/". Operations that can fail say
// whether they raise EOSError (naming the file) or report the failure in their result.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/OsError.h"

namespace bindershelf::os {

// Attribute bits of a found entry.
namespace attr {
inline constexpr uint32_t ReadOnly = 0x01;   // the owner may not write it
inline constexpr uint32_t Hidden = 0x02;     // its name begins with "."
inline constexpr uint32_t Directory = 0x10;
inline constexpr uint32_t Normal = 0x20;     // anything that is not a directory
}  // namespace attr

// One entry as find-first reports it. Times count 100-ns intervals since 1 January 1601
// UTC; 0 stands for a time before then.
struct TFindEntry {
  std::string Name;  // the last segment of the path
  uint32_t Attributes = 0;
  uint64_t CreationTime = 0;  // birth time where the file system keeps one, else LastWriteTime
  uint64_t LastAccessTime = 0;
  uint64_t LastWriteTime = 0;
  uint64_t Size = 0;  // 0 for a directory
};

enum class TFindFilter {
  AnyEntry,    // hidden entries included
  SkipHidden,  // files and directories, but no hidden entry (nothing is system or a volume label)
};

enum class TWriteMode {
  CreateOrTruncate,  // follows symbolic links; a new file gets 0644 less the umask
  AppendPrivate,     // appends; never through a symbolic link; a new file gets 0600
};

// A file open for writing. Every method raises EOSError naming the file on failure.
// Destroying it closes it without reporting errors; call Close to learn of them.
class TWritableFile {
 public:
  virtual ~TWritableFile() = default;
  virtual const std::string& Path() const = 0;
  // Writes all of `data` (at the end of the file in append mode).
  virtual void Append(std::string_view data) = 0;
  // Forces what was written to the disk.
  virtual void Sync() = 0;
  // Sets the permission bits (07777) of the open file.
  virtual void SetPermissions(uint32_t mode) = 0;
  virtual void Close() = 0;
};

class TFileSystem {
 public:
  virtual ~TFileSystem() = default;

  // --- Primitives: each implementation provides these. ---

  // The entry at exactly `path` (no wildcards), symbolic links followed. Empty when there
  // is none, when `filter` skips it, when `path` is empty or ends in "/". Never raises.
  virtual std::optional<TFindEntry> FindFirst(const std::string& path, TFindFilter filter) = 0;
  // True when `path` is a regular file (a directory is not). Never raises.
  virtual bool FileExists(const std::string& path) = 0;
  // True when `path` is a directory. Never raises.
  virtual bool DirectoryExists(const std::string& path) = 0;
  // The permission bits (07777) of what `path` names; empty when nothing is there.
  virtual std::optional<uint32_t> PermissionBits(const std::string& path) = 0;

  // Copies content, permission bits and last-write time of the regular file `source` to
  // `target`, replacing an existing target unless `failIfExists`. Returns 0 on success,
  // else the Windows error code: 80 when the target exists and failIfExists, 2 or 3 when
  // the source or the target's directory is missing, 5 when either is a directory, 32 when
  // both name the same file. A partly written target is removed. Never raises.
  virtual uint32_t CopyFile(const std::string& source, const std::string& target,
                            bool failIfExists) = 0;
  // Removes the file (not a directory). True when it was removed. Never raises.
  virtual bool DeleteFile(const std::string& path) = 0;
  // Renames `from` to `to` in one step, replacing a file at `to`. Raises EOSError.
  virtual void RenameFile(const std::string& from, const std::string& to) = 0;
  // Makes the directory and any missing parents; an existing directory is success.
  // Raises EOSError.
  virtual void CreateDirectories(const std::string& path) = 0;

  // The whole content of the file. Raises EOSError when it cannot be opened or read.
  virtual std::string ReadFile(const std::string& path) = 0;
  // Opens `path` for writing as `mode` says. Raises EOSError.
  virtual std::unique_ptr<TWritableFile> OpenWritableFile(const std::string& path,
                                                          TWriteMode mode) = 0;
  // Creates a new file of a name no other file has, in `directory` (never through a
  // symbolic link), its name made from `stem`, with 0644 less the umask. Raises EOSError.
  virtual std::unique_ptr<TWritableFile> CreateUniqueFile(const std::string& directory,
                                                          std::string_view stem) = 0;

  // $TMPDIR when set and not empty, else "/tmp"; without a trailing "/".
  virtual std::string TemporaryDirectory() = 0;
  // The offset of local time from UTC in force now, in seconds (east positive). The time
  // zone is read again on every call, so a changed TZ takes effect.
  virtual int64_t LocalTimeOffsetSeconds() = 0;
  // Now, in 100-ns intervals since 1 January 1601 UTC.
  virtual uint64_t CurrentFileTime() = 0;
  // The absolute path of the shared object (or program) that holds the address, symbolic
  // links not resolved; "" when no loaded object holds it.
  virtual std::string ModuleFileName(const void* addressInsideModule) = 0;

  // Processes. A program name without "/" is looked up on PATH; a program is started
  // directly, never through a shell, with this process's environment and current
  // directory, and with no signal blocked.

  // Starts `program` with `arguments` (argv[1] on) and does not wait for it. True when the
  // program could be started: it was found and the system began running it. False when it
  // was not found, may not be run, or no process could be made. The started program is
  // not a child of this process, so it never stays behind as a zombie, whatever this
  // process does with SIGCHLD. Never raises.
  virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) = 0;
  // Splits `commandLine` into a program and its arguments (SplitCommandLine in
  // CommandLine.h), starts the program and waits until it has ended. Returns its exit
  // status (0 to 255), or 128 + the signal's number when a signal ended it; -1 when it
  // could not be started (an empty command line, a program not found or not runnable);
  // -2 when its end could not be learnt because something else in this process collected
  // it first. Never raises.
  virtual int RunAndWait(const std::string& commandLine) = 0;

  // --- Built on the primitives, so a wrapper's faults reach them too. ---

  // The lines of a text file: a line ends at LF or CR LF, a CR not followed by LF is
  // dropped, a Ctrl-Z (byte 26) ends the text, a last line without line end counts.
  // Raises EOSError naming the file when it cannot be opened or read.
  std::vector<std::string> ReadTextLines(const std::string& path);
  // Creates or truncates `path` and writes each line followed by CR LF. Raises EOSError.
  void WriteTextFile(const std::string& path, const std::vector<std::string>& lines);
  // Replaces the content of `path` in one step: a new file in the same directory gets the
  // content and the old file's permission bits (a new one 0644 less the umask), is flushed
  // and renamed over `path`. On failure the new file is removed, the old one is left as it
  // was, and EOSError names `path`.
  void ReplaceFileSafely(const std::string& path, std::string_view content);
  // Appends `text` and CR LF to `path`, creating it with 0600; never through a symbolic
  // link. Raises EOSError naming the file.
  void AppendLine(const std::string& path, std::string_view text);
};

// The file system in use: the POSIX one unless a test replaced it.
TFileSystem& FileSystem();
// Puts `fs` in use (nullptr: the POSIX one again) and returns the one in use before.
// `fs` must outlive its use.
TFileSystem* SetFileSystemForTests(TFileSystem* fs);

// Puts a file system in use for the lifetime of this object.
class TScopedFileSystem {
 public:
  explicit TScopedFileSystem(TFileSystem& fs) : Previous(SetFileSystemForTests(&fs)) {}
  ~TScopedFileSystem() { SetFileSystemForTests(Previous); }
  TScopedFileSystem(const TScopedFileSystem&) = delete;
  TScopedFileSystem& operator=(const TScopedFileSystem&) = delete;

 private:
  TFileSystem* Previous;
};

}  // namespace bindershelf::os
