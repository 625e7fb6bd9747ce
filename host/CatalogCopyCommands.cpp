// cp, mv and ren inside the catalog. The module copies one item per FsRenMovFile call;
// for a tree the host makes each target folder with FsMkDir, and for a move it deletes
// each source it has copied, as a file manager does when a plugin copies.
#include <ostream>

#include "host/CatalogPath.h"
#include "host/CatalogTree.h"
#include "host/Commands.h"
#include "host/FileResults.h"
#include "host/HostError.h"

namespace bindershelf::host {

namespace {

struct TCopyRun {
  TSession& session;
  bool move;
  TOverwriteQuestion question;
  TFileFailures failures;
};

// FsRenMovFile with the overwrite question; true when the target now holds the source.
bool CopyOneItem(TCopyRun& run, const TCatalogNode& source, const std::string& target) {
  const TCatalogModule& module = run.session.Module;
  RemoteInfoStruct info = source.entry.RemoteInfo();
  int32_t result = module.RenameOrMove(source.path, target, run.move, false, info);
  if (result == FS_FILE_EXISTS) {
    bool replace = false;
    try {
      replace = run.question.Overwrite(target);
    } catch (const THostError& error) {
      run.failures.Add(source.path, error.what());
      return false;
    }
    if (!replace) return false;
    result = module.RenameOrMove(source.path, target, run.move, true, info);
  }
  if (result != FS_FILE_OK) {
    run.failures.Add(source.path + " -> " + target, DescribeFileResult(result));
    return false;
  }
  return true;
}

bool CopyFile(TCopyRun& run, const TCatalogNode& file, const std::string& target) {
  bool copied = CopyOneItem(run, file, target);
  run.session.Progress.FileDone();
  if (!copied || !run.move) return copied;
  if (run.session.Module.DeleteFile(file.path)) return true;
  run.failures.Add(file.path, "the module could not delete the source");
  return false;
}

// A source folder goes only when everything in it has arrived.
bool CopyTree(TCopyRun& run, const TCatalogNode& folder, const std::string& target) {
  const TCatalogModule& module = run.session.Module;
  if (!module.MakeFolder(target)) {
    run.failures.Add(target, "the module could not make it");
    return false;
  }
  bool complete = true;
  for (const TCatalogNode& file : folder.files) complete &= CopyFile(run, file, JoinCatalogPath(target, file.entry.name));
  for (const TCatalogNode& sub : folder.folders) complete &= CopyTree(run, sub, JoinCatalogPath(target, sub.entry.name));
  if (!run.move || !complete) return complete;
  if (module.RemoveFolder(folder.path)) return true;
  run.failures.Add(folder.path, "the module could not remove the source folder");
  return false;
}

void CopyOrMove(TSession& session, const TArguments& args, bool move) {
  if (args.size() != 2) throw TUsageError(move ? "mv SRC DST" : "cp SRC DST");
  session.Module.Require({"FsRenMovFile"});
  if (move) session.Module.Require({"FsDeleteFile"});
  std::string source = session.Resolve(args[0]);
  if (source == "\\") throw THostError("the root cannot be copied or moved");
  TCatalogEntry item = NeedItem(session.Module, source);
  std::string dest = session.Resolve(args[1]);
  std::optional<TCatalogEntry> destItem = FindItem(session.Module, dest);
  if (item.IsFolder() && destItem && !destItem->IsFolder()) throw THostError("a folder cannot go onto the file " + dest);
  std::string target = destItem && destItem->IsFolder() ? JoinCatalogPath(dest, item.name) : dest;
  if (SameCatalogName(target, source)) throw THostError(source + " would be copied onto itself");
  if (item.IsFolder() && IsSameOrBelow(target, source)) throw THostError("a folder cannot go inside itself: " + target);
  if (item.IsFolder()) session.Module.Require(move ? std::initializer_list<const char*>{"FsMkDir", "FsRemoveDir"}
                                                   : std::initializer_list<const char*>{"FsMkDir"});

  TCatalogNode tree = ReadCatalogTree(session.Module, source, item);
  TCopyRun run{session, move, session.NewOverwriteQuestion(), TFileFailures(session.Console, session.Progress)};
  TOperationScope copying(session.Module, FolderWithSeparator(ParentOfCatalogPath(source)),
                          item.IsFolder() ? FS_STATUS_OP_RENMOV_MULTI : FS_STATUS_OP_RENMOV_SINGLE);
  session.Progress.Begin(tree.FileCount());
  if (item.IsFolder()) CopyTree(run, tree, target);
  else CopyFile(run, tree, target);
  session.Progress.End();
  run.failures.ThrowIfAny(tree.FileCount() + (item.IsFolder() ? 1 : 0));
}

}  // namespace

void RunCopy(TSession& session, const TArguments& args) { CopyOrMove(session, args, false); }

void RunMove(TSession& session, const TArguments& args) { CopyOrMove(session, args, true); }

void RunRename(TSession& session, const TArguments& args) {
  if (args.size() != 2) throw TUsageError("ren PATH NEWNAME");
  session.Module.Require({"FsRenMovFile"});
  const std::string& newName = args[1];
  if (newName.empty() || newName == "." || newName == ".." || newName.find_first_of("\\/") != std::string::npos)
    throw THostError("a new name is one name, without \\ or /: " + newName);
  std::string path = session.Resolve(args[0]);
  if (path == "\\") throw THostError("the root cannot be renamed");
  TCatalogEntry item = NeedItem(session.Module, path);
  std::string target = JoinCatalogPath(ParentOfCatalogPath(path), newName);
  if (target == path) throw THostError(path + " has that name already");

  TCopyRun run{session, true, session.NewOverwriteQuestion(), TFileFailures(session.Console, session.Progress)};
  TOperationScope renaming(session.Module, FolderWithSeparator(ParentOfCatalogPath(path)), FS_STATUS_OP_RENMOV_SINGLE);
  session.Progress.Begin(1);
  CopyOneItem(run, TCatalogNode{path, item, {}, {}}, target);
  session.Progress.End();
  run.failures.ThrowIfAny(1);
}

}  // namespace bindershelf::host
