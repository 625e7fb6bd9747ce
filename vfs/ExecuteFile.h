// The verbs of FsExecuteFile: opening an item's real file, and the commands typed on the
// host's command line (switch the catalog, go to the last search result's folder, write
// the list of catalogued files, run a program on each of them).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace bindershelf::vfs {

// The programs of the run command, one command line per catalogued file. They are
// gathered while the catalog is locked and run after it has been released: a program may
// run for minutes, and the host's background icon lookups must not wait for it.
class TProgramRuns {
 public:
  TProgramRuns() = default;
  // Each command line is `prefix` followed by one file's path as a quoted argument.
  explicit TProgramRuns(std::string prefix) : Prefix(std::move(prefix)) {}

  void AddFile(std::string path) { Files.push_back(std::move(path)); }
  // Runs the command lines one after another, each to its end. A program that cannot be
  // started is passed over.
  void RunEach() const noexcept;

 private:
  std::string Prefix;
  std::vector<std::string> Files;
};

// Carries out `verb` for the host. `remoteName` is the host's buffer (MAX_PATH bytes) with
// the item or the panel's current folder; "open" and "quote g" write into it, never past
// its end. Returns 0 done, 1 error (for "open": nothing could be started), -2 when
// `remoteName` now names a folder to go to. The run command's programs are left in
// `runs` for the caller to run once the catalog is released. Raises on a failed
// statement, on a catalog that cannot be switched to (the module then stays on the
// catalog it had) and on a list file that cannot be written.
int32_t ExecuteFile(char* remoteName, const std::string& verb, TProgramRuns& runs);

}  // namespace bindershelf::vfs
