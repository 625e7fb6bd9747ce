#include "vfs/ExecuteFile.h"

#include <stdexcept>

#include "catalog/Schema.h"
#include "platform/os/CommandLine.h"
#include "platform/os/FileSystem.h"
#include "plugin/Common.h"
#include "plugin/PathToId.h"
#include "plugin/TextPieces.h"
#include "plugin/fsplugin.h"
#include "vfs/CatalogQuery.h"

namespace bindershelf::vfs {

namespace {

// Arguments taken from a verb are at most this many characters.
constexpr size_t kVerbArgumentCharacters = 300;
// The list file is written in pieces of about this size rather than a write per line.
constexpr size_t kListChunkBytes = 64 * 1024;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool LongerThan(const std::string& text, size_t characters) {
  return FirstCharacters(text, characters).size() < text.size();
}

// The text from its character `first` on (counted from 1), at most `count` characters.
std::string CharactersFrom(const std::string& text, size_t first, size_t count = std::string::npos) {
  std::string rest = text.substr(FirstCharacters(text, first - 1).size());
  return count == std::string::npos ? rest : FirstCharacters(rest, count);
}

// Copies `text` over the host's buffer of MAX_PATH bytes: as many whole characters as fit
// before its NUL.
void CopyToHostBuffer(const std::string& text, char* buffer) {
  if (!buffer) return;
  std::string fitted = FirstCharactersWithin(text, MAX_PATH - 1, MAX_PATH - 1);
  fitted.copy(buffer, fitted.size());
  buffer[fitted.size()] = '\0';
}

// The item ID as a LIKE pattern that matches only itself: "%", "_" and "[" of a folder's
// name are put in brackets, where they stand for themselves. A folder named "D_cs" must
// not take in the files of "Docs".
std::string LiteralLikePattern(const std::string& id) {
  std::string pattern;
  for (char c : id) {
    if (c == '%' || c == '_' || c == '[') {
      pattern += '[';
      pattern += c;
      pattern += ']';
    } else {
      pattern += c;
    }
  }
  return pattern;
}

// Every non-folder item at any depth below the folder: its ID begins with the folder's ID
// and a backslash (at the root every ID does). Items without a real path come too; the
// callers pass over them.
std::unique_ptr<ado::TADODataSet> OpenFilesBelow(const std::string& folder) {
  return OpenQuery("select pthor from fs where FileAttr<>16 and id like " +
                   Quoted(LiteralLikePattern(PathToId(folder)) + "\\%") + ListFilter);
}

int32_t OpenItem(char* remoteName) {
  std::string target = remoteName ? remoteName : "";
  OpenCatalog();
  {
    auto row = OpenQuery("Select * from fs where id=" + Quoted(PathToId(target)));
    if (!row->Eof()) {
      ado::TField& realPath = row->FieldByName("pthor");
      if (realPath.IsNull()) return FS_EXEC_ERROR;  // a folder made in the catalog: nothing to open
      target = realPath.AsString();
      // The buffer may be too short for the path; the opener gets the whole of it.
      CopyToHostBuffer(target, remoteName);
    }
  }
  return os::FileSystem().StartDetached("xdg-open", {target}) ? FS_EXEC_OK : FS_EXEC_ERROR;
}

// A name that is a path step or holds one would put the catalog outside the module's
// directory, or read as if it did.
void RequirePlainCatalogName(const std::string& name) {
  if (name == "." || name == ".." || name.find('/') != std::string::npos)
    throw std::runtime_error("The catalog name \"" + name + "\" is not the name of a file in the module's directory");
}

void ReopenCatalog() {
  if (CatalogConnection && CatalogConnection->Connected()) CatalogConnection->Close();
  OpenCatalog();
}

void SwitchCatalog(const std::string& name) {
  RequirePlainCatalogName(name);
  const std::string previous = DatabaseName;
  DatabaseName = name + ".dat";
  try {
    if (CatalogConnection && CatalogConnection->Connected()) CatalogConnection->Close();
    if (!os::FileSystem().FileExists(CatalogFileName())) catalog::CreateCatalog();
    OpenCatalog();
  } catch (...) {
    // Back on the catalog the module had, so the next operation finds one.
    DatabaseName = previous;
    try {
      ReopenCatalog();
    } catch (...) {
      // The first failure is the one to report; the next OpenCatalog tries again.
    }
    throw;
  }
}

std::string GoTarget() {
  const auto backslash = JumpTarget.rfind('\\');
  return backslash == std::string::npos ? std::string() : JumpTarget.substr(0, backslash + 1);
}

void WriteFileList(const std::string& folder, const std::string& listFile) {
  OpenCatalog();
  auto rows = OpenFilesBelow(folder);
  auto file = os::FileSystem().OpenWritableFile(listFile, os::TWriteMode::CreateOrTruncate);
  std::string chunk;
  for (; !rows->Eof(); rows->Next()) {
    ado::TField& realPath = rows->FieldByName("pthor");
    if (realPath.IsNull()) continue;
    chunk += realPath.AsString();
    chunk += "\r\n";
    if (chunk.size() >= kListChunkBytes) {
      file->Append(chunk);
      chunk.clear();
    }
  }
  file->Append(chunk);
  file->Close();
}

// The command line of each file is the verb, a blank and the quoted path, from the
// ninth character on: for "quote c prog", the program text, a blank and the path.
TProgramRuns PlanRuns(const std::string& folder, const std::string& verb) {
  OpenCatalog();
  TProgramRuns runs(CharactersFrom(verb + " ", 9));
  auto rows = OpenFilesBelow(folder);
  for (; !rows->Eof(); rows->Next()) {
    ado::TField& realPath = rows->FieldByName("pthor");
    if (!realPath.IsNull()) runs.AddFile(realPath.AsString());
  }
  return runs;
}

}  // namespace

void TProgramRuns::RunEach() const noexcept {
  for (const auto& file : Files) {
    try {
      os::FileSystem().RunAndWait(Prefix + os::QuoteArgument(file));
    } catch (...) {
      // Passed over like a program that cannot be started.
    }
  }
}

// The verb tests exclude one another; each compares bytes exactly, with case.
int32_t ExecuteFile(char* remoteName, const std::string& verb, TProgramRuns& runs) {
  const std::string remote = remoteName ? remoteName : "";
  if (verb == "open") return OpenItem(remoteName);
  if (StartsWith(verb, "quote db")) {
    if (LongerThan(verb, 9)) SwitchCatalog(CharactersFrom(verb, 10, kVerbArgumentCharacters));
    return FS_EXEC_OK;
  }
  if (StartsWith(verb, "quote g")) {
    CopyToHostBuffer(GoTarget(), remoteName);
    return FS_EXEC_SYMLINK;
  }
  if (StartsWith(verb, "quote l")) {
    if (LongerThan(verb, 8)) WriteFileList(remote, CharactersFrom(verb, 9, kVerbArgumentCharacters));
    return FS_EXEC_OK;
  }
  if (StartsWith(verb, "quote c")) runs = PlanRuns(remote, verb);
  return FS_EXEC_OK;
}

}  // namespace bindershelf::vfs
